// Tests of the MIDI output port: listing, opening and closing devices through the stand-in.
#include "ControlChange.h"
#include "OutputPort.h"
#include "RecordingMidi.h"

#include <gtest/gtest.h>

namespace {

class OutputPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRecordingMidi();
        OutputPort = nullptr;
    }
};

TEST_F(OutputPortTest, ListsNothingWithoutDevices)
{
    EXPECT_TRUE(ListOutputDevices().empty());
}

TEST_F(OutputPortTest, LeavesOutADeviceThatCannotBeReadAndKeepsTheIdentifiers)
{
    RecordingMidi().devices = {{"Synth A"}, {"Broken", MidiNoDriver}, {"Synth C"}};
    const auto devices = ListOutputDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "Synth A");
    EXPECT_EQ(devices[0].identifier, 0u);
    EXPECT_EQ(devices[1].name, "Synth C");
    EXPECT_EQ(devices[1].identifier, 2u);
}

TEST_F(OutputPortTest, TakesAtMostThirtyOneCharactersOfAName)
{
    RecordingMidi().devices = {{std::string(40, 'x')}};
    EXPECT_EQ(ListOutputDevices().at(0).name, std::string(31, 'x'));
}

TEST_F(OutputPortTest, OpensTheChosenDeviceAndClosesItAgain)
{
    RecordingMidi().devices = {{"Synth A"}, {"Synth B"}};
    ASSERT_TRUE(OpenOutputPort(1));
    ASSERT_NE(OutputPort, nullptr);
    EXPECT_EQ(RecordingMidi().openedDevices, std::vector<unsigned>{1});
    const MidiOutHandle opened = OutputPort;
    CloseOutputPort();
    EXPECT_EQ(OutputPort, nullptr);
    EXPECT_EQ(RecordingMidi().closedPorts, std::vector<MidiOutHandle>{opened});
    EXPECT_TRUE(RecordingMidi().openPorts.empty());
}

TEST_F(OutputPortTest, AFailedOpenLeavesThePortClosed)
{
    RecordingMidi().devices = {{"Synth A"}};
    RecordingMidi().openResult = 4;  // MMSYSERR_ALLOCATED: in use by another program
    EXPECT_FALSE(OpenOutputPort(0));
    EXPECT_EQ(OutputPort, nullptr);
    EXPECT_FALSE(OpenOutputPort(7));  // no such device
    EXPECT_EQ(OutputPort, nullptr);
}

TEST_F(OutputPortTest, ADeviceThatVanishesWhileOpenCanStillBeClosed)
{
    RecordingMidi().devices = {{"Synth A"}};
    ASSERT_TRUE(OpenOutputPort(0));
    const MidiOutHandle opened = OutputPort;
    ASSERT_EQ(SendControlChange(OutputPort, 0, 74, 1), MidiNoError);
    RecordingMidi().vanished = true;

    // Passes go on without a crash; the driver refuses every message.
    RandomizeParameters(OutputPort, 0, {{"A", 1, 0, 127}, {"B", 2, 0, 127}});
    RandomizeParameters(OutputPort, 0, {{"A", 1, 0, 127}, {"B", 2, 0, 127}});
    EXPECT_EQ(RecordingMidi().sent.size(), 1u);
    EXPECT_EQ(RecordingMidi().refusedSends, 4);

    CloseOutputPort();
    EXPECT_EQ(OutputPort, nullptr);
    EXPECT_EQ(RecordingMidi().closedPorts, std::vector<MidiOutHandle>{opened});
    EXPECT_TRUE(RecordingMidi().openPorts.empty());
    // Gone from the list too, and opening it again fails without opening anything.
    EXPECT_TRUE(ListOutputDevices().empty());
    EXPECT_FALSE(OpenOutputPort(0));
    EXPECT_EQ(OutputPort, nullptr);
}

}  // namespace
