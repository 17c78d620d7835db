// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/internetheaders.h"
#include "framework/gui/window.h"
#include "update/ckwin.layout.h"
#include "update/createdfile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace windows {

// The update window: asks the update site for its version line once, about
// two seconds after it opens, and offers a newer version for download to the
// Desktop. A download is written under a temporary name and takes its own
// name only when whole; Cancel or the close box leave its partial file to
// the calendar window, which deletes it a moment later, or to quitting.
class ckwin : public fw::Window, public layouts::ckwin {
    // The layout's builders bind the controls' events to the handlers.
    friend struct layouts::ckwin;

public:
    // The version request's whole time, after which the site counts as not
    // reached however slowly it still answers.
    fw::Timer* CheckDeadline = nullptr;

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
    void Event_Close() override;

private:
    enum class Phase { Checking, UpToDate, Offered, Downloading, Done, Failed };

    void Timer1_Action();
    void Timer2_Action();
    void CheckDeadline_Action();
    void http_ReceiveProgress(std::int64_t bytesReceived, std::int64_t totalBytes, const std::string& newData);
    void http_PageReceived(const std::string& url, std::int32_t httpStatus, const fw::InternetHeaders& headers,
                           const std::string& content);
    void http_DownloadComplete(const std::string& url, std::int32_t httpStatus, const fw::InternetHeaders& headers,
                               const fw::FolderItemPtr& file);
    void http_Error(std::int32_t code);
    void stopbutton_Action();
    void CloseDownloadButton_Action();

    // Takes the downloaded file out of its temporary name; false when it
    // could not.
    bool KeepDownload(const update::CreatedFile& file);
    void CheckFailed(const std::string& text);
    void DownloadFailed();

    Phase m_phase = Phase::Checking;
    bool m_requested = false;
    // The offered file: its reduced name for the Desktop, and its name on
    // the site.
    std::string m_fileName;
    std::string m_sitePath;
    // The partial file while a download runs.
    std::optional<update::CreatedFile> m_download;
};

} // namespace windows

namespace win {
// The update window, created (and its check started) on first use; nullptr
// once the application quits.
windows::ckwin* ckwin();
} // namespace win
