// Tests of the whole program under a burst of key presses and with a MIDI driver that fails
// while the output is open.
#include "QuorvelProcess.h"

#include <gtest/gtest.h>

#include "resource.h"

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Two parameters with fixed values: a pass is exactly these two sends, in this order.
const std::string kTwoParameters = "First 1 10 10\nSecond 2 20 20\n";

Calls Pass(unsigned result)
{
    const std::string tail = " " + std::to_string(result);
    return {"send 1 000a01b0" + tail, "send 1 001402b0" + tail};
}

void Append(Calls& calls, const Calls& more)
{
    calls.insert(calls.end(), more.begin(), more.end());
}

bool Answers(HWND window)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

TEST(Burst, AThousandQueuedF1PressesGiveAThousandWholePassesInOrder)
{
    QuorvelSetup setup;
    setup.configuration = kTwoParameters;
    QuorvelProcess quorvel(setup);
    const HWND dialog = quorvel.WaitForDialog();
    quorvel.Click(IDC_OPEN_MIDI);
    ASSERT_EQ(quorvel.WaitForCalls(1), Calls{"open 0 0"});

    const int presses = 1000;
    std::vector<INPUT> keys(2 * presses);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = VK_F1;
        keys[i].ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_F1, MAPVK_VK_TO_VSC));
        keys[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    SetForegroundWindow(dialog);
    for (int wait = 0; wait < 250 && GetForegroundWindow() != dialog; ++wait) {
        Sleep(20);
    }
    ASSERT_EQ(GetForegroundWindow(), dialog);
    ASSERT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());

    // Messages sent to the dialog are answered between the queued passes.
    EXPECT_TRUE(Answers(dialog));
    quorvel.WaitForCalls(1 + 2 * presses);
    // A click after the burst still works, and comes after every pass.
    quorvel.Click(IDC_OPEN_MIDI);
    Calls expected{"open 0 0"};
    for (int i = 0; i < presses; ++i) {
        Append(expected, Pass(0));
    }
    expected.push_back("close 1");
    EXPECT_EQ(quorvel.WaitForCalls(expected.size()), expected);
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
    EXPECT_TRUE(Answers(dialog));
}

TEST(DriverFaults, ADeviceThatVanishesWhileOpenIsStillClosedAndCannotBeReopened)
{
    QuorvelSetup setup;
    setup.configuration = kTwoParameters;
    setup.vanishAfterSends = 3;  // in the middle of the second pass
    QuorvelProcess quorvel(setup);
    quorvel.WaitForDialog();
    quorvel.OpenOutput();
    for (int pass = 1; pass <= 3; ++pass) {
        quorvel.PressKey(VK_F1);
        quorvel.WaitForCalls(1 + 2 * pass);
    }
    quorvel.Click(IDC_OPEN_MIDI);
    Calls expected{"open 0 0"};
    Append(expected, Pass(0));
    expected.push_back("send 1 000a01b0 0");
    expected.push_back("send 1 001402b0 6");  // MMSYSERR_NODRIVER from here on
    Append(expected, Pass(6));
    expected.push_back("close 1");
    EXPECT_EQ(quorvel.WaitForCalls(expected.size()), expected);
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");
    EXPECT_TRUE(IsWindowEnabled(quorvel.Control(IDC_OUTPUT_DEVICE)));

    // The list still names the device; opening it now fails and says so.
    quorvel.Click(IDC_OPEN_MIDI);
    const HWND box = quorvel.WaitForMessageBox(L"Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)),
              L"Can't open MIDI output, something else has probably already opened it.");
    quorvel.Click(IDOK, box);
    EXPECT_TRUE(WaitUntilGone(box));
    expected.push_back("open 0 2");  // MMSYSERR_BADDEVICEID
    EXPECT_EQ(quorvel.Calls(), expected);
    EXPECT_EQ(WindowText(quorvel.Control(IDC_OPEN_MIDI)), L"&Open MIDI");

    quorvel.PressKey(VK_ESCAPE);
    EXPECT_EQ(quorvel.WaitForExit(), 0u);
}

}  // namespace
