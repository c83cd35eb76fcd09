#include "resources/rawdata/default_manifest.h"

namespace tavorin {

std::string_view default_manifest_text() {
    // 6595b64144ccf1df is the public key token Microsoft publishes for the Common Controls
    // assembly; without the dependency Windows gives the program the old-style controls.
    static constexpr char text[] =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
        "  <dependency>\r\n"
        "    <dependentAssembly>\r\n"
        "      <assemblyIdentity\r\n"
        "        type=\"win32\"\r\n"
        "        name=\"Microsoft.Windows.Common-Controls\"\r\n"
        "        version=\"6.0.0.0\"\r\n"
        "        processorArchitecture=\"*\"\r\n"
        "        publicKeyToken=\"6595b64144ccf1df\"\r\n"
        "        language=\"*\"\r\n"
        "      />\r\n"
        "    </dependentAssembly>\r\n"
        "  </dependency>\r\n"
        "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">\r\n"
        "    <security>\r\n"
        "      <requestedPrivileges>\r\n"
        "        <requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>\r\n"
        "      </requestedPrivileges>\r\n"
        "    </security>\r\n"
        "  </trustInfo>\r\n"
        "</assembly>\r\n";
    return {text, sizeof text - 1};
}

}  // namespace tavorin
