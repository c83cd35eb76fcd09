#include "app/update_flow.h"

#include <gtest/gtest.h>

#include <map>

#include "app/config_temp_folder.h"
#include "app/zip_builder.h"
#include "base/sha256.h"
#include "base/text.h"
#include "platform/scripted_platform.h"

namespace tavorin {
namespace {

using testing::ConfigTempFolder;
using testing::ZipBuilder;

constexpr char16_t server_url[] = u"https://127.0.0.1:8443/tavorin";

// The update server: files by address, and every address asked for.
struct FakeServer {
    std::map<std::u16string, std::vector<std::uint8_t>> files;
    std::vector<std::u16string> requests;

    void put(std::string_view name, std::vector<std::uint8_t> bytes) {
        files[std::u16string(server_url) + u"/" + ascii_to_text(name)] = std::move(bytes);
    }
    void put(std::string_view name, std::string_view text) { put(name, std::vector<std::uint8_t>(text.begin(), text.end())); }

    Download download() {
        return [this](const std::u16string& url, std::size_t limit) -> std::optional<std::vector<std::uint8_t>> {
            requests.push_back(url);
            const auto found = files.find(url);
            if (found == files.end() || found->second.size() > limit) return std::nullopt;
            return found->second;
        };
    }
};

class UpdateFlowTest : public ::testing::Test {
protected:
    UpdateFlowTest() {
        folder.write("Tavorin.exe", "running program");
        session.set_interactive(true);
    }

    UpdateOutcome check(bool manual, bool installed_earlier = false) {
        const UpdateCheckRequest request{manual, installed_earlier, folder.path(), server_address};
        return run_update_check(session, session.strings(), request, server.download());
    }

    void publish(std::string_view version, const std::vector<std::uint8_t>& archive, const Sha256Digest& digest) {
        server.put("v_1.5.9", std::string(version) + "\n" + sha256_hex(digest) + "\n");
        server.put("Tavorin-x64.zip", archive);
    }

    std::vector<std::u16string> questions() const {
        std::vector<std::u16string> texts;
        for (const auto& question : platform.questions) texts.push_back(question.text);
        return texts;
    }

    ConfigTempFolder folder;
    ScriptedPlatform platform;
    Session session{platform};
    FakeServer server;
    std::u16string server_address = server_url;
};

TEST_F(UpdateFlowTest, TheCurrentVersionIsReportedOnlyWhenAskedFor) {
    const auto archive = ZipBuilder().add("Tavorin.exe", "new").bytes();
    publish("1.5.9", archive, sha256(archive));
    EXPECT_EQ(check(false), UpdateOutcome::up_to_date);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(check(true), UpdateOutcome::up_to_date);
    EXPECT_EQ(questions(), std::vector<std::u16string>{u"You already have the latest version of Tavorin"});
    EXPECT_EQ(server.requests.back(), u"https://127.0.0.1:8443/tavorin/v_1.5.9");  // the archive is never fetched
}

TEST_F(UpdateFlowTest, ANewerVersionIsOfferedInstalledAndTheRestartAsked) {
    const auto archive = ZipBuilder().add("Tavorin.exe", "new program").add("languages/Deutsch.txt", "neu").bytes();
    publish("1.6.0", archive, sha256(archive));
    platform.answers = {Answer::yes, Answer::yes};
    EXPECT_EQ(check(false), UpdateOutcome::restart_now);
    EXPECT_EQ(questions(), (std::vector<std::u16string>{
                               u"Tavorin 1.6.0 is available.\r\nDo you want to update Tavorin?",
                               u"Tavorin needs to restart to finish the update.\nDo you want to restart Tavorin now?"}));
    EXPECT_EQ(folder.read("Tavorin.exe"), "new program");
    EXPECT_EQ(folder.read("languages/Deutsch.txt"), "neu");

    // Asked again in the same run, the check first offers the restart.
    platform.questions.clear();
    platform.answers = {Answer::yes};
    EXPECT_EQ(check(true, true), UpdateOutcome::restart_now);
    EXPECT_EQ(questions(), std::vector<std::u16string>{
                               u"An update in already in progress. You must restart Tavorin to finish it.\nDo you "
                               u"want to restart Tavorin now?"});
}

TEST_F(UpdateFlowTest, DecliningTheOfferDownloadsNothing) {
    const auto archive = ZipBuilder().add("Tavorin.exe", "new program").bytes();
    publish("1.6.0", archive, sha256(archive));
    platform.answers = {Answer::no};
    EXPECT_EQ(check(true), UpdateOutcome::declined);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(folder.read("Tavorin.exe"), "running program");
}

TEST_F(UpdateFlowTest, AWrongHashOrAnUnsafeNameInstallsNothingAndSaysWhy) {
    const auto good = ZipBuilder().add("Tavorin.exe", "new program").bytes();
    const auto escaping = ZipBuilder().add("Tavorin.exe", "new program").add("..\\Tavorin.exe", "evil").bytes();
    Sha256Digest wrong = sha256(good);
    wrong[5] ^= 0x40;
    struct Case {
        std::vector<std::uint8_t> archive;
        Sha256Digest digest;
        std::u16string message;
    };
    const Case cases[] = {
        {good, wrong, session.text(str::update_hash_mismatch)},
        {escaping, sha256(escaping),
         u"The update archive holds a file whose name is not allowed: ..\\Tavorin.exe. Nothing has been installed."},
    };
    for (const auto& c : cases) {
        publish("1.6.0", c.archive, c.digest);
        platform.questions.clear();
        platform.answers = {Answer::yes};
        EXPECT_EQ(check(false), UpdateOutcome::failed);
        ASSERT_EQ(platform.questions.size(), 2u);
        EXPECT_EQ(platform.questions[1].text, c.message);
        EXPECT_EQ(platform.questions[1].icon, AskIcon::error);
        EXPECT_EQ(folder.read("Tavorin.exe"), "running program");
        EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "Tavorin.exe"));
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "update.staging"));
    }
}

TEST_F(UpdateFlowTest, NoServerIsReportedOnlyWhenAskedFor) {
    EXPECT_EQ(check(false), UpdateOutcome::failed);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(check(true), UpdateOutcome::failed);
    EXPECT_EQ(questions(), std::vector<std::u16string>{u"Cannot retrieve update information.\r\nCheck that your "
                                                       u"computer has an internet connection."});
}

TEST_F(UpdateFlowTest, AServerInTheClearIsNeverAsked) {
    server_address = u"http://127.0.0.1:8080/tavorin";
    EXPECT_EQ(check(true), UpdateOutcome::failed);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_EQ(questions(), std::vector<std::u16string>{session.text(str::update_server_not_secure)});
}

TEST_F(UpdateFlowTest, AnUnreadableVersionDocumentIsNotAnOffer) {
    server.put("v_1.5.9", "<html>Not found</html>");
    EXPECT_EQ(check(true), UpdateOutcome::failed);
    EXPECT_EQ(questions(), std::vector<std::u16string>{session.text(str::update_bad_version_document)});
}

}  // namespace
}  // namespace tavorin
