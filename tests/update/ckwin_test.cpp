// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/mainwindow.h"
#include "framework/gui/modules_seam.h"
#include "framework/gui/network.h"
#include "framework/gui/network_seam.h"
#include "resources/textos.h"
#include "support/gui.h"
#include "support/httpserver.h"
#include "support/testenv.h"
#include "update/ckwin.h"
#include "update/createdfile.h"
#include "update/updatesite.h"
#include "update/updatesite_seam.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <filesystem>
#include <random>
#include <set>
#include <tuple>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Reply = testenv::HttpServer::Reply;
using namespace std::string_literals;

using testenv::ReadFile;
using testenv::WriteFile;

Reply Raw(const std::string& head, std::vector<std::string> pieces, int delayMs = 0, bool stall = false)
{
    return {head + "Connection: close\r\n", std::move(pieces), delayMs, stall};
}

// Every file under the folder, by path relative to it.
std::set<std::string> Listing(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(entry.path().lexically_relative(folder).string());
    return names;
}

class UpdateWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousHook = fw::Network::SetIsConnectedHook([] { return true; });
        previousURL = update::UpdateBaseURL();
        update::SetUpdateBaseURL(server.BaseURL());
    }
    void TearDown() override
    {
        fw::DestroyAllWindows();
        fw::detail::SetModulesMissing(false);
        fw::Network::SetIsConnectedHook(previousHook);
        update::SetUpdateBaseURL(previousURL);
    }

    // The window with its countdown shortened; the request still waits for
    // the second tick.
    windows::ckwin* Open()
    {
        windows::ckwin* w = win::ckwin();
        w->Timer1->SetPeriod(10);
        w->Timer2->SetPeriod(10);
        w->http->SetIdleTimeout(400);
        w->CheckDeadline->SetPeriod(1500);
        return w;
    }
    // Until the wheel stops: the answer is read, the download ended or failed.
    static bool Settle(windows::ckwin* w, int ms = 5000)
    {
        return QTest::qWaitFor([w] { return !w->progresswheel1->Visible() && !w->StatusLabel->Text().empty(); }, ms);
    }
    // A slow download of the offered file, stopped half-way by the test.
    windows::ckwin* StartSlowDownload()
    {
        const std::vector<std::string> pieces(50, std::string(100000, 'd'));
        server.Script("/version.txt", Reply::Ok("1.0.1,Cyclane.dmg"));
        server.Script("/Cyclane.dmg", Raw("HTTP/1.1 200 OK\r\nContent-Length: 5000000\r\n", pieces, 100));
        windows::ckwin* w = Open();
        EXPECT_TRUE(Settle(w));
        testenv::click(w->CloseDownloadButton);
        EXPECT_TRUE(QTest::qWaitFor([w] { return w->ProgressBar1->Value() > 0; }, 5000));
        return w;
    }
    std::vector<fs::path> PartialFiles() const
    {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folders.desktop()))
            if (entry.path().extension() == ".part")
                found.push_back(entry.path());
        return found;
    }

    testenv::TempFolders folders;
    testenv::HttpServer server;
    fw::Network::ConnectedHook previousHook;
    std::string previousURL;
};

TEST_F(UpdateWindowTest, VersionAnswersAndFailuresEachShowATextAndStopTheWheel)
{
    const std::string head = "HTTP/1.1 200 OK\r\n";
    const std::string k710 = Textos::k710();
    const std::string length11 = head + "Content-Length: 11\r\n", length13 = head + "Content-Length: 13\r\n";
    struct Row {
        const char* name; Reply reply; std::string status; bool offered = false; bool refused = false;
        bool noNetworkModule = false;
    };
    const Row rows[] = {
        {"newer", Reply::Ok("1.0.1,c.dmg"), k710 + "1.0.1", true},
        {"up to date", Reply::Ok("1.0.0,c.dmg"), Textos::k711()},
        {"not a version", Reply::Ok("one,c.dmg"), Textos::k713()},
        {"in pieces", Raw(length13, {"1.0", ".1,c", ".dmg\r\n"}, 30), k710 + "1.0.1", true},
        {"no Content-length", Raw(head, {"1.0.1,c.dmg"}), Textos::k713()},
        {"shorter than announced", Raw(head + "Content-Length: 40\r\n", {"1.0.1,c.dmg"}), Textos::k712()},
        {"longer than announced", Raw(length11, {"1.0.1,c.dmgMORE"}), k710 + "1.0.1", true},
        {"stalled", Raw(length11, {"1.0"}, 0, true), Textos::k712()},
        {"drip-fed", Raw(length11, {"1", ".", "0", ".", "1", ",", "c", ".", "d", "m", "g"}, 300), Textos::k712()},
        {"status 404", Reply::Ok("1.0.1,c.dmg", 404), Textos::k713()},
        {"refused", Reply::Ok("1.0.1,c.dmg"), Textos::k712(), false, true},
        // Never tried, so never said to be unreachable.
        {"no network module", Reply::Ok("1.0.1,c.dmg"), Textos::k014(), false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        server.Script("/version.txt", row.reply);
        update::SetUpdateBaseURL(row.refused ? testenv::HttpServer::RefusingURL() : server.BaseURL());
        fw::detail::SetModulesMissing(row.noNetworkModule);
        const std::size_t asked = server.Requests().size();
        windows::ckwin* w = Open();
        if (row.name == std::string("up to date"))
            testenv::screenshot(w, "update-checking");
        ASSERT_TRUE(Settle(w));
        if (row.name == std::string("up to date") || row.name == std::string("refused"))
            testenv::screenshot(w, row.refused ? "update-failed" : "update-up-to-date");
        EXPECT_EQ(w->StatusLabel->Text(), row.status);
        EXPECT_EQ(w->CloseDownloadButton->Visible(), row.offered);
        EXPECT_EQ(w->stopbutton->Caption(), Textos::k705());
        EXPECT_EQ(server.Requests().size() > asked, !row.refused && !row.noNetworkModule);
        w->Close();
    }
}

// The whole road: check, offer, a 5 MB download with a moving bar, Close.
TEST_F(UpdateWindowTest, ANewerVersionArrivesWholeOnTheDesktopAndStaysAfterClose)
{
    std::string payload(5 * 1024 * 1024, '\0');
    std::mt19937 random(15);
    for (char& c : payload)
        c = char(random());
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < payload.size(); at += 256 * 1024)
        pieces.push_back(payload.substr(at, 256 * 1024));
    server.Script("/version.txt", Reply::Ok("1.0.1,Cyclane 1.0.1.dmg"));
    server.Script("/Cyclane%201.0.1.dmg", Raw("HTTP/1.1 200 OK\r\nContent-Length: 5242880\r\n", pieces, 15));

    windows::ckwin* w = Open();
    EXPECT_TRUE(w->progresswheel1->Visible());
    ASSERT_TRUE(Settle(w));
    EXPECT_EQ(w->StaticText1->Text(), "1.0.0");
    testenv::screenshot(w, "update-newer-version");

    testenv::click(w->CloseDownloadButton);
    EXPECT_EQ(w->stopbutton->Caption(), Textos::k702());
    std::set<std::int32_t> values;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        if (values.insert(w->ProgressBar1->Value()).second && values.size() == 3)
            testenv::screenshot(w, "update-downloading");
        return w->StatusLabel->Text() == Textos::k706();
    }, 20000));
    EXPECT_GE(values.size(), 4u);
    EXPECT_FALSE(w->ProgressBar1->Visible());
    testenv::screenshot(w, "update-complete");

    ASSERT_EQ(server.Requests().size(), 2u);
    for (const auto& get : server.Requests())
        EXPECT_EQ(get.method + " " + get.headers.at("accept") + " " + get.headers.at("accept-language"),
                  "GET */* en");
    EXPECT_EQ(server.Requests()[1].path, "/Cyclane%201.0.1.dmg");
    const fs::path file = folders.desktop() / "Cyclane 1.0.1.dmg";
    EXPECT_TRUE(ReadFile(file) == payload);
    testenv::click(w->stopbutton);
    QTest::qWait(2500);
    EXPECT_TRUE(ReadFile(file) == payload);
    EXPECT_EQ(Listing(folders.desktop()), std::set<std::string>{"Cyclane 1.0.1.dmg"});
}

// The download's file carries the Mac type and creator "dmg" from its start.
TEST_F(UpdateWindowTest, TheDownloadsFileIsOfTypeAndCreatorDmg)
{
    server.Script("/version.txt", Reply::Ok("1.0.1,c.dmg"));
    server.Script("/c.dmg", Raw("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n", {"dmg"}));
    windows::ckwin* w = Open();
    ASSERT_TRUE(Settle(w));
    // In place of the window's handler: the file the socket was given.
    fw::FolderItemPtr file;
    w->http->DownloadComplete.InstallInstanceEventHandler(
        [&](const std::string&, std::int32_t, const fw::InternetHeaders&, const fw::FolderItemPtr& f) { file = f; });
    testenv::click(w->CloseDownloadButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return file != nullptr; }, 5000));
    EXPECT_EQ(std::tuple(file->MacType(), file->MacCreator(), ReadFile(file->Path())),
              std::tuple("dmg", "dmg", "dmg"));
}

// Hostile names from the site: one plain name on the Desktop, or none; a file
// already there is never replaced, nothing outside the Desktop changes, and a
// failed download (a 404 page, a connection lost half-way) keeps nothing, not
// even under its temporary name.
TEST_F(UpdateWindowTest, HostileNamesAndFailedDownloadsLeaveOnlyWhatArrived)
{
    WriteFile(folders.desktop() / "x", "theirs");
    server.Script("*", Reply::Ok("payload"));
    server.Script("/f1.dmg", Reply::Ok("no such file", 404));
    server.Script("/f2.dmg", Raw("HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n", {"partial"}));
    const std::set<std::string> before = Listing(folders.home());
    // Cut short without a length, or before the last chunk; whole in chunks.
    server.Script("/f3.dmg", Raw("HTTP/1.1 200 OK\r\n", {"partial"}));
    server.Script("/f4.dmg", Raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n", {"7\r\npartial\r\n"}));
    server.Script("/f5.dmg", Raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n", {"7\r\npayload\r\n0\r\n\r\n"}));
    server.Script("/Sub.dmg", Reply::Ok("not this one", 404));
    // The name, what is kept of it: a name, nothing ("") or a failed download
    // ("!"), and the path asked for when it matters.
    struct Row { std::string name, kept, path = ""; };
    const Row rows[] = {
        {"../x", "x (2)"}, {"/etc/x", "x (2)"}, {"a/b", "b", "/a/b"}, {"a\\b", "b", "/a%5Cb"},
        {"..", ""},        {"", ""},            {"y\r\n", "y", "/y"},   {"a\rb\nc", "abc", "/abc"},
        {"n\0ul"s, "nul", "/n%00ul"}, {std::string(1000, 'n') + ".dmg", std::string(251, 'n') + ".dmg"},
        {"files/Sub.dmg", "Sub.dmg", "/files/Sub.dmg"},
        {"Update\u202Egpj.exe", "Updategpj.exe", "/Update%E2%80%AEgpj.exe"},
        {"f1.dmg", "!"},   {"f2.dmg", "!"}, {"f3.dmg", "!"}, {"f4.dmg", "!"}, {"f5.dmg", "f5.dmg"},
    };
    for (const auto& [name, kept, path] : rows) {
        SCOPED_TRACE(name.substr(0, 20));
        server.Script("/version.txt", Reply::Ok("1.0.1," + name));
        windows::ckwin* w = Open();
        ASSERT_TRUE(Settle(w));
        std::set<std::string> expected = before;
        const bool arrives = !kept.empty() && kept != "!";
        if (kept.empty()) {
            EXPECT_EQ(w->StatusLabel->Text(), Textos::k713());
        } else {
            testenv::click(w->CloseDownloadButton);
            ASSERT_TRUE(QTest::qWaitFor([w] { return !w->progresswheel1->Visible(); }, 5000));
            EXPECT_EQ(w->StatusLabel->Text(), kept == "!" ? Textos::k714() : Textos::k706());
            EXPECT_EQ(w->stopbutton->Caption(), Textos::k705());
        }
        if (!path.empty()) {
            EXPECT_EQ(server.Requests().back().path, path);
        }
        if (arrives) {
            EXPECT_EQ(ReadFile(folders.desktop() / kept), "payload");
            expected.insert("Desktop/" + kept);
        }
        EXPECT_EQ(Listing(folders.home()), expected);
        EXPECT_EQ(ReadFile(folders.desktop() / "x"), "theirs");
        if (arrives)
            fs::remove(folders.desktop() / kept);
        w->Close();
    }
}

TEST_F(UpdateWindowTest, CancelRemovesThePartialFileAboutTwoSecondsLaterAndNothingElse)
{
    WriteFile(folders.desktop() / "Cyclane.dmg", "someone else's");
    windows::ckwin* w = StartSlowDownload();
    ASSERT_EQ(PartialFiles().size(), 1u);
    testenv::click(w->stopbutton);
    EXPECT_TRUE(w->Closing());
    QTest::qWait(1000);
    EXPECT_EQ(PartialFiles().size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([this] { return PartialFiles().empty(); }, 2000));
    EXPECT_EQ(Listing(folders.desktop()), std::set<std::string>{"Cyclane.dmg"});
    EXPECT_EQ(ReadFile(folders.desktop() / "Cyclane.dmg"), "someone else's");

    // A later cancellation in the same run goes after one tick.
    w = StartSlowDownload();
    ASSERT_EQ(PartialFiles().size(), 1u);
    EXPECT_EQ(win::main()->StaticText50->Text(), PartialFiles().front().filename().string());
    testenv::click(w->stopbutton);
    QTest::qWait(500);
    EXPECT_EQ(PartialFiles().size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([this] { return PartialFiles().empty(); }, 1000));
}

// The close box is a Cancel; the removal deletes only the file the download
// made, not another that took its name meanwhile.
TEST_F(UpdateWindowTest, TheCloseBoxCancelsAndTheRemovalSparesAFileThatTookTheName)
{
    windows::ckwin* w = StartSlowDownload();
    ASSERT_EQ(PartialFiles().size(), 1u);
    const fs::path partial = PartialFiles().front();
    w->Handle()->close();
    EXPECT_TRUE(w->Closing());
    fs::remove(partial);
    WriteFile(partial, "a new file under the old name");
    QTest::qWait(3000);
    EXPECT_EQ(ReadFile(partial), "a new file under the old name");
    fs::remove(partial);
    EXPECT_TRUE(Listing(folders.desktop()).empty());
}

// However the process ends: exit() is also how a lost display ends it.
TEST(PartialFile, GoesWhenTheProcessExits)
{
    testenv::TempFolders folders;
    fs::create_directories(folders.desktop());
    const pid_t pid = ::fork();
    if (pid == 0) {
        const fw::FolderItemPtr file = fw::FolderItem::DesktopFolder()->Child(update::PartialFileName());
        WriteFile(file->Path(), "partial");
        std::exit(update::HoldPartialFile(file, file->Identity()) ? 3 : 4);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_TRUE(Listing(folders.desktop()).empty());
}

} // namespace
