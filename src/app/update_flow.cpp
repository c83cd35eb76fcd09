#include "app/update_flow.h"

#include "app/update_check.h"
#include "app/update_install.h"
#include "base/text.h"

namespace tavorin {

namespace {

UpdateOutcome report_failure(Session& session, const std::u16string& text, bool show) {
    if (show) session.ask(text, AskButtons::ok, AskIcon::error);
    return UpdateOutcome::failed;
}

}  // namespace

UpdateOutcome run_update_check(Session& session, const UiStrings& strings, const UpdateCheckRequest& request,
                               const Download& download) {
    if (request.installed_earlier &&
        session.ask(strings.text(str::update_in_progress_restart), AskButtons::yes_no, AskIcon::question) == Answer::yes) {
        return UpdateOutcome::restart_now;
    }
    const std::u16string& server = request.server;
    const auto document_url = update_file_url(server, version_document_name);
    const auto archive_url = update_file_url(server, update_archive_name);
    if (!document_url || !archive_url) {
        return report_failure(session, strings.text(str::update_server_not_secure), request.manual);
    }

    const auto document_bytes = download(*document_url, max_version_document_size);
    if (!document_bytes) return report_failure(session, strings.text(str::update_info_unavailable), request.manual);
    const auto document = parse_version_document(
        std::string_view(reinterpret_cast<const char*>(document_bytes->data()), document_bytes->size()));
    if (!document) return report_failure(session, strings.text(str::update_bad_version_document), request.manual);
    if (decide_update(*document) == UpdateOffer::none) {
        if (request.manual) session.ask(strings.text(str::update_latest_version), AskButtons::ok, AskIcon::information);
        return UpdateOutcome::up_to_date;
    }

    const std::u16string offer = fill_placeholders(strings.text(str::update_available), ascii_to_text(document->version));
    if (session.ask(offer, AskButtons::yes_no, AskIcon::question) != Answer::yes) return UpdateOutcome::declined;

    // From here on the user asked for the update: every failure is reported.
    const auto archive = download(*archive_url, max_update_archive_size);
    if (!archive) return report_failure(session, strings.text(str::update_info_unavailable), true);
    const auto staged = stage_update(*archive, document->archive_digest, request.program_folder / "update.staging",
                                     strings);
    if (!staged) return report_failure(session, staged.error(), true);
    const auto installed = install_staged_update(*staged, request.program_folder, strings);
    if (!installed) return report_failure(session, installed.error(), true);

    return session.ask(strings.text(str::update_restart_to_finish), AskButtons::yes_no, AskIcon::question) == Answer::yes
               ? UpdateOutcome::restart_now
               : UpdateOutcome::installed;
}

}  // namespace tavorin
