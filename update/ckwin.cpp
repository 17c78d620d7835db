// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/ckwin.h"

#include "calendar/mainwindow.h"
#include "framework/core/appversion.h"
#include "framework/core/text.h"
#include "framework/gui/application.h"
#include "framework/gui/httpsocket.h"
#include "framework/gui/network.h"
#include "resources/textos.h"
#include "update/downloadname.h"
#include "update/updatesite.h"
#include "update/versionline.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>

namespace windows {

namespace {

std::string RunningVersion()
{
    const fw::Application* app = fw::App();
    return app ? app->ShortVersion() : fw::ShortVersion();
}

// The announced body length, when the reply gives a plain number.
std::optional<std::int64_t> ContentLength(const fw::InternetHeaders& headers)
{
    const auto text = headers.Value("Content-Length");
    std::int64_t n = 0;
    if (!text || text->empty())
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), n);
    if (ec != std::errc() || end != text->data() + text->size())
        return std::nullopt;
    return n;
}

// Whole only when the announced length arrived or the chunks ended with the
// last one (the socket fails a chunked reply cut short); a reply that just
// stops may have been cut anywhere.
bool ArrivedWhole(const fw::InternetHeaders& headers, std::int64_t bytes)
{
    std::string coding = headers.Value("Transfer-Encoding").value_or("");
    std::transform(coding.begin(), coding.end(), coding.begin(), [](unsigned char c) { return std::tolower(c); });
    if (coding.find("chunked") != std::string::npos)
        return true;
    const auto length = ContentLength(headers);
    return length && *length == bytes;
}

} // namespace

void ckwin::Event_Open()
{
    CheckDeadline = AddControl<fw::Timer>("CheckDeadline", fw::kNoIndex);
    CheckDeadline->SetMode(fw::Timer::kModeOff);
    CheckDeadline->SetPeriod(30000);
    CheckDeadline->Action.InstallInstanceEventHandler(this, &ckwin::CheckDeadline_Action);
    if (!fw::Network::IsConnected()) {
        StatusLabel->SetText(Textos::k014());
        return;
    }
    SetTitle(Textos::k700());
    stopbutton->SetCaption(Textos::k705());
    StaticText2->SetText(Textos::k701());
    StaticText1->SetText(RunningVersion());
    StaticText3->SetText("Ver. " + RunningVersion());
    Timer1->SetMode(fw::Timer::kModeMultiple);
    progresswheel1->SetVisible(true);
    progresswheel1->SetLeft(247);
    progresswheel1->SetTop(71);
}

void ckwin::Event_Close()
{
    // The close box during a download is a Cancel: the partial file goes.
    if (m_phase != Phase::Downloading)
        return;
    http->Close();
    if (m_download)
        update::RemoveLater(*m_download);
    m_download.reset();
}

void ckwin::Timer1_Action()
{
    if (fw::Val(ttt->Text()) > 0)
        ttt->SetText(fw::Str(std::int64_t(fw::Val(ttt->Text())) - 1));
}

void ckwin::Timer2_Action()
{
    // One version request per window.
    if (ttt->Text() == "0" && !m_requested) {
        m_requested = true;
        Timer2->SetMode(fw::Timer::kModeOff);
        http->Get(update::UpdateBaseURL() + "/version.txt");
        CheckDeadline->SetMode(fw::Timer::kModeSingle);
    }
    if (fw::Val(ttt1->Text()) > 0)
        ttt->SetText(fw::Str(std::int64_t(fw::Val(ttt1->Text())) - 1));
}

void ckwin::CheckDeadline_Action()
{
    // The idle timeout alone would wait forever for a site that drips.
    if (m_phase != Phase::Checking)
        return;
    http->Close();
    CheckFailed(Textos::k712());
}

void ckwin::http_ReceiveProgress(std::int64_t bytesReceived, std::int64_t totalBytes, const std::string&)
{
    if (m_phase == Phase::Checking) {
        if (std::max(bytesReceived, totalBytes) > std::int64_t(update::kMaxVersionReply)) {
            http->Close();
            CheckFailed(Textos::k713());
        }
        return;
    }
    if (m_phase != Phase::Downloading)
        return;
    // The bar counts in Int32: larger files are shown to scale.
    const std::int64_t scale = totalBytes > INT32_MAX ? totalBytes / INT32_MAX + 1 : 1;
    ProgressBar1->SetMaximum(std::int32_t(std::max<std::int64_t>(totalBytes, 0) / scale));
    ProgressBar1->SetValue(std::int32_t(std::min(bytesReceived, std::max<std::int64_t>(totalBytes, 0)) / scale));
}

void ckwin::http_PageReceived(const std::string&, std::int32_t httpStatus, const fw::InternetHeaders& headers,
                              const std::string& content)
{
    if (m_phase != Phase::Checking)
        return;
    const auto length = ContentLength(headers);
    const auto line = update::ParseVersionLine(content);
    if (httpStatus != 200 || !length || *length != std::int64_t(content.size()) || !line) {
        CheckFailed(Textos::k713());
        return;
    }
    progresswheel1->SetVisible(false);
    const auto order = update::CompareVersions(line->version, RunningVersion());
    if (order && *order > 0) {
        m_fileName = line->fileName;
        m_sitePath = line->sitePath;
        StaticText5->SetText(line->fileName);
        StatusLabel->SetText(Textos::k710() + line->version);
        CloseDownloadButton->SetCaption(Textos::k704());
        CloseDownloadButton->SetVisible(true);
        m_phase = Phase::Offered;
    } else {
        StatusLabel->SetText(Textos::k711());
        stopbutton->SetCaption(Textos::k705());
        m_phase = Phase::UpToDate;
    }
}

void ckwin::CloseDownloadButton_Action()
{
    if (CloseDownloadButton->Caption() != Textos::k704() || m_phase != Phase::Offered)
        return;
    m_phase = Phase::Downloading;
    StatusLabel->SetText(Textos::k703());
    progresswheel1->SetVisible(true);
    progresswheel1->SetLeft(196);
    progresswheel1->SetTop(92);
    ProgressBar1->SetVisible(true);
    ProgressBar1->SetMaximum(0);
    CloseDownloadButton->SetVisible(false);
    stopbutton->SetVisible(true);
    stopbutton->SetCaption(Textos::k702());
    const std::string name = update::PartialFileName();
    const fw::FolderItemPtr file = fw::FolderItem::DesktopFolder()->Child(name);
    if (windows::main* calendar = win::main())
        calendar->StaticText50->SetText(name);
    http->Get(update::UpdateBaseURL() + "/" + update::EncodePath(m_sitePath), file);
    file->SetMacType("dmg");
    file->SetMacCreator("dmg");
    // Held from here, so that the delayed removal cannot mistake a newcomer
    // under this name for our file.
    m_download = update::HoldPartialFile(file, http->TargetIdentity());
    if (!m_download) {
        http->Close();
        DownloadFailed();
    }
}

void ckwin::http_DownloadComplete(const std::string&, std::int32_t httpStatus, const fw::InternetHeaders& headers,
                                  const fw::FolderItemPtr&)
{
    if (m_phase != Phase::Downloading || !m_download)
        return;
    const update::CreatedFile file = *m_download;
    m_download.reset();
    std::error_code ec;
    const auto bytes = std::int64_t(std::filesystem::file_size(file.item->Path(), ec));
    if (httpStatus != 200 || ec || !ArrivedWhole(headers, bytes) || !KeepDownload(file)) {
        file.Remove();
        DownloadFailed();
        return;
    }
    m_phase = Phase::Done;
    StatusLabel->SetText(Textos::k706());
    progresswheel1->SetVisible(false);
    ProgressBar1->SetVisible(false);
    stopbutton->SetCaption(Textos::k705());
}

bool ckwin::KeepDownload(const update::CreatedFile& file)
{
    const fw::FolderItemPtr& item = file.item;
    if (item->Identity() != file.hold->Identity())
        return false;
    const fw::FolderItemPtr desktop = fw::FolderItem::DesktopFolder();
    // A file already on the Desktop keeps its name: the next free one is taken.
    for (int n = 1; n < 1000; ++n) {
        const fw::FolderItemPtr target = desktop->Child(update::NumberedName(m_fileName, n));
        if (!target)
            return false;
        if (item->MoveWithoutReplacing(*target)) {
            file.Keep();
            return true;
        }
        if (!target->Identity())
            return false;
    }
    return false;
}

void ckwin::http_Error(std::int32_t code)
{
    http->Close();
    if (m_phase == Phase::Downloading) {
        if (m_download)
            m_download->Remove();
        m_download.reset();
        DownloadFailed();
    } else if (m_phase == Phase::Checking) {
        // Without its network support the program never reached the site.
        CheckFailed(code == fw::HTTPSocket::kErrorDriver ? Textos::k014() : Textos::k712());
    }
}

void ckwin::stopbutton_Action()
{
    // Close, or Cancel during a download: closing cancels it.
    const std::string& caption = stopbutton->Caption();
    if (caption == Textos::k705() || caption == Textos::k702())
        Close();
}

void ckwin::CheckFailed(const std::string& text)
{
    m_phase = Phase::Failed;
    progresswheel1->SetVisible(false);
    StatusLabel->SetText(text);
    stopbutton->SetCaption(Textos::k705());
}

void ckwin::DownloadFailed()
{
    m_phase = Phase::Failed;
    StatusLabel->SetText(Textos::k714());
    progresswheel1->SetVisible(false);
    ProgressBar1->SetVisible(false);
    stopbutton->SetCaption(Textos::k705());
}

} // namespace windows

namespace win {

windows::ckwin* ckwin()
{
    return fw::WindowInstance<windows::ckwin>();
}

} // namespace win
