// Tests of Quorvel as a user meets it: the real program under Wine, driven by clicks and keys,
// with the MIDI bytes it sends recorded by the stand-in winmm.dll.
#include "QuorvelProcess.h"

#include <gtest/gtest.h>

#include "resource.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

const std::wstring kNoOutputSelected = L"Can't open MIDI output, because no output has been selected.";
const std::wstring kOutputInUse = L"Can't open MIDI output, something else has probably already opened it.";
const std::wstring kNoPortOpen = L"Can't Randomize, you haven't opened a MIDI port yet.";
const std::wstring kMissingConfiguration =
    L"Can't find the configuration file Quorvel.cfg. Please check that it is installed in the same "
    L"directory as this program. You should quit now, 'cos I can't do anything without that file.";

// Parameters whose bounds are equal, so every pass sends known bytes.
const std::string kFixedParameters = "# three parameters\nCutoff 74 100 100\nResonance 71 5 5\nMix 7 64 64\n";

// The stand-in's lines for one pass of kFixedParameters on port 1 and a channel index.
Calls FixedPass(int channel)
{
    char status[3];
    std::snprintf(status, sizeof status, "%02x", 0xB0 + channel);
    return {std::string("send 1 00644a") + status + " 0", std::string("send 1 000547") + status + " 0",
            std::string("send 1 004007") + status + " 0"};
}

Calls Concatenate(std::initializer_list<Calls> parts)
{
    Calls all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

bool IsEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

BOOL CALLBACK FindIcon(HWND child, LPARAM found)
{
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

enum class Hue { None, Red, Blue };

// The colour that a message box's icon shows on the screen: Windows draws the error icon
// red and the information icon blue. (Icons are per process, so their handles and bitmaps
// cannot be compared from here; the screen can be read.)
Hue IconHue(HWND box)
{
    HWND icon = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
    RECT area{};
    if (!icon || !GetWindowRect(icon, &area)) {
        return Hue::None;
    }
    for (int attempt = 0; attempt < 50; ++attempt) {
        const HDC screen = GetDC(nullptr);
        int red = 0, blue = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = GetPixel(screen, x, y);
                const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
                red += r > g + 80 && r > b + 80;
                blue += b > r + 60;
            }
        }
        ReleaseDC(nullptr, screen);
        if (red + blue > 40) {
            return red > blue ? Hue::Red : Hue::Blue;
        }
        Sleep(40);  // not painted yet
    }
    return Hue::None;
}

// The message box's text, after checking its owner, icon and button; then presses OK.
std::wstring ReadAndDismiss(QuorvelProcess& quorvel, HWND box, Hue iconHue)
{
    if (!box) {
        ADD_FAILURE() << "no message box";
        return {};
    }
    EXPECT_EQ(GetWindow(box, GW_OWNER), quorvel.Dialog());
    EXPECT_TRUE(IconHue(box) == iconHue) << "not the expected icon";
    EXPECT_EQ(WindowText(GetDlgItem(box, IDOK)), L"OK");
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    const std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    quorvel.Click(IDOK, box);
    EXPECT_TRUE(WaitUntilGone(box));
    return text;
}

std::wstring ErrorText(QuorvelProcess& quorvel)
{
    return ReadAndDismiss(quorvel, quorvel.WaitForMessageBox(L"Error"), Hue::Red);
}

TEST(Dialog, ListsTheDevicesWithTheirIdentifiersAndSixteenChannels)
{
    QuorvelSetup setup;
    setup.devices = "Synth A|!Broken|Synth C";
    QuorvelProcess quorvel(setup);
    const HWND dialog = quorvel.WaitForDialog();

    const HWND devices = quorvel.Control(IDC_OUTPUT_DEVICE);
    EXPECT_EQ(ComboEntries(devices), (std::vector<std::wstring>{L"Synth A", L"Synth C"}));
    EXPECT_EQ(SendMessageW(devices, CB_GETITEMDATA, 0, 0), 0);
    EXPECT_EQ(SendMessageW(devices, CB_GETITEMDATA, 1, 0), 2);
    EXPECT_EQ(SendMessageW(devices, CB_GETCURSEL, 0, 0), 0);

    std::vector<std::wstring> channels;
    for (int i = 1; i <= 16; ++i) {
        channels.push_back(L"MIDI Channel " + std::to_wstring(i));
    }
    const HWND channelList = quorvel.Control(IDC_CHANNEL);
    EXPECT_EQ(ComboEntries(channelList), channels);
    EXPECT_EQ(SendMessageW(channelList, CB_GETCURSEL, 0, 0), 0);

    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
    EXPECT_TRUE(IsEnabled(devices));
    EXPECT_TRUE(IsEnabled(channelList));

    // Centred in the work area, whatever the template's position.
    RECT area{}, window{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(dialog, &window);
    EXPECT_NEAR((window.left + window.right) / 2, (area.left + area.right) / 2, 2);
    EXPECT_NEAR((window.top + window.bottom) / 2, (area.top + area.bottom) / 2, 2);
    EXPECT_TRUE(quorvel.Calls().empty());
}

TEST(Dialog, OpensAndClosesTheChosenDevice)
{
    QuorvelSetup setup;
    setup.devices = "Synth A|!Broken|Synth C";
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    const HWND devices = quorvel.Control(IDC_OUTPUT_DEVICE);
    SendMessageW(devices, CB_SETCURSEL, 1, 0);

    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(quorvel.WaitForCalls(1), Calls{"open 2 0"});
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Close MIDI");
    EXPECT_FALSE(IsEnabled(devices));
    EXPECT_TRUE(IsEnabled(quorvel.Control(IDC_CHANNEL)));

    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(quorvel.WaitForCalls(2), (Calls{"open 2 0", "close 1"}));
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
    EXPECT_TRUE(IsEnabled(devices));

    // Opening again reads the list's selection anew.
    SendMessageW(devices, CB_SETCURSEL, 0, 0);
    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(quorvel.WaitForCalls(3), (Calls{"open 2 0", "close 1", "open 0 0"}));
}

TEST(Dialog, RandomizesOnTheButtonItsMnemonicAndF1)
{
    QuorvelSetup setup;
    setup.configuration = kFixedParameters;
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.OpenOutput();

    quorvel.Click(IDC_RANDOMIZE);
    quorvel.WaitForCalls(4);
    quorvel.PressKey('R', true);
    quorvel.WaitForCalls(7);
    quorvel.PressKey(VK_F1);
    EXPECT_EQ(quorvel.WaitForCalls(10), Concatenate({{"open 0 0"}, FixedPass(0), FixedPass(0), FixedPass(0)}));
}

TEST(Dialog, SendsEachPassOnTheChannelSelectedThen)
{
    QuorvelSetup setup;
    setup.configuration = kFixedParameters;
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.OpenOutput();
    const HWND channels = quorvel.Control(IDC_CHANNEL);

    SendMessageW(channels, CB_SETCURSEL, 15, 0);
    quorvel.PressKey(VK_F1);
    quorvel.WaitForCalls(4);
    SendMessageW(channels, CB_SETCURSEL, 9, 0);
    quorvel.PressKey(VK_F1);
    EXPECT_EQ(quorvel.WaitForCalls(7), Concatenate({{"open 0 0"}, FixedPass(15), FixedPass(9)}));
}

TEST(Dialog, ReportsRandomizeWhileTheOutputIsClosed)
{
    QuorvelProcess quorvel;
    quorvel.WaitForDialog();
    quorvel.Click(IDC_RANDOMIZE);
    EXPECT_EQ(ErrorText(quorvel), kNoPortOpen);
    quorvel.PressKey(VK_F1);
    EXPECT_EQ(ErrorText(quorvel), kNoPortOpen);
    EXPECT_TRUE(quorvel.Calls().empty());
}

TEST(Dialog, ReportsOpeningWithoutDevices)
{
    QuorvelSetup setup;
    setup.devices = "";
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    EXPECT_TRUE(ComboEntries(quorvel.Control(IDC_OUTPUT_DEVICE)).empty());
    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(ErrorText(quorvel), kNoOutputSelected);
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
}

TEST(Dialog, ReportsADeviceThatCannotBeOpened)
{
    QuorvelSetup setup;
    setup.openResult = 4;  // MMSYSERR_ALLOCATED
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(ErrorText(quorvel), kOutputInUse);
    EXPECT_EQ(quorvel.Calls(), Calls{"open 0 4"});
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
    EXPECT_TRUE(IsEnabled(quorvel.Control(IDC_OUTPUT_DEVICE)));
}

TEST(Dialog, ReportsAMissingConfigurationBeforeShowingItselfAndGoesOn)
{
    QuorvelSetup setup;
    setup.configuration.reset();
    QuorvelProcess quorvel(setup);
    const HWND box = quorvel.WaitForMessageBox(L"Error");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(quorvel.ShowsWindow(L"Quorvel "));
    const HWND owner = GetWindow(box, GW_OWNER);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), kMissingConfiguration);
    quorvel.Click(IDOK, box);

    quorvel.WaitForDialog();
    EXPECT_EQ(quorvel.Dialog(), owner);
    quorvel.OpenOutput();
    quorvel.PressKey(VK_F1);  // an empty table: nothing to send
    quorvel.Click(IDC_OPEN_MIDI);
    EXPECT_EQ(quorvel.WaitForCalls(2), (Calls{"open 0 0", "close 1"}));
}

TEST(Dialog, ShowsTheAboutBox)
{
    QuorvelProcess quorvel;
    quorvel.WaitForDialog();
    quorvel.PressKey('A', true);
    const HWND box = quorvel.WaitForMessageBox(L"About");
    EXPECT_EQ(ReadAndDismiss(quorvel, box, Hue::Blue),
              L"Quorvel\nAlpha Test Version 2\nThe Quorvel project 2001\nquorvel@example.org");
}

TEST(Dialog, IgnoresEnter)
{
    QuorvelSetup setup;
    setup.configuration = kFixedParameters;
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.PressKey(VK_RETURN);
    // Keys are handled in order: once F1's box shows, Enter has been handled too.
    quorvel.PressKey(VK_F1);
    EXPECT_EQ(ErrorText(quorvel), kNoPortOpen);
    EXPECT_FALSE(quorvel.HasExited());
    EXPECT_FALSE(quorvel.ShowsWindow(L"Error"));
}

TEST(Dialog, EndsWithExitCodeZeroByEveryWayOut)
{
    const struct {
        const char* way;
        void (*leave)(QuorvelProcess&);
    } ways[] = {
        {"Escape", [](QuorvelProcess& q) { q.PressKey(VK_ESCAPE); }},
        {"Alt+Q", [](QuorvelProcess& q) { q.PressKey('Q', true); }},
        {"the Quit button", [](QuorvelProcess& q) { q.Click(IDCANCEL); }},
        {"the close box", [](QuorvelProcess& q) { PostMessageW(q.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        QuorvelProcess quorvel;
        quorvel.WaitForDialog();
        way.leave(quorvel);
        EXPECT_EQ(quorvel.WaitForExit(), 0u);
    }
}

TEST(Dialog, FindsItsConfigurationInAFolderOfAnyNameOrLength)
{
    const struct {
        const char* description;
        std::wstring folder;
        std::size_t programPathLength;
    } cases[] = {
        {"a name outside any ANSI code page", L"Synthesizer \u0421\u0438\u043d\u0442\u0435\u0437 \u266a \u97f3\u8272", 0},
        // The longest path that a program can be started from without opting in to long paths.
        {"a path of 259 characters", L"Quorvel", 259},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        QuorvelSetup setup;
        setup.configuration = kFixedParameters;
        setup.folder = c.folder;
        setup.programPathLength = c.programPathLength;
        QuorvelProcess quorvel(setup);
        quorvel.WaitForDialog();
        quorvel.OpenOutput();
        quorvel.PressKey(VK_F1);
        EXPECT_EQ(quorvel.WaitForCalls(4), Concatenate({{"open 0 0"}, FixedPass(0)}));
    }
}

TEST(Dialog, TakesWinmmFromTheSystemFolderNotFromItsOwn)
{
    QuorvelSetup setup;
    setup.winmmBesideProgram = true;
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.OpenOutput();
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(Wide(quorvel.LoadedWinmm()), std::wstring(system) + L"\\winmm.dll");
}

TEST(Dialog, ClosesAnOpenDeviceWhenItEnds)
{
    QuorvelProcess quorvel;
    quorvel.WaitForDialog();
    quorvel.PressKey('O', true);
    quorvel.WaitForCalls(1);
    quorvel.PressKey(VK_ESCAPE);
    EXPECT_EQ(quorvel.WaitForExit(), 0u);
    EXPECT_EQ(quorvel.Calls(), (Calls{"open 0 0", "close 1"}));
}

}  // namespace
