// Tests of Control Change messages and the randomize pass, against the recording MIDI stand-in.
#include "ControlChange.h"
#include "OutputPort.h"
#include "RandomSource.h"
#include "RecordingMidi.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

SynthParameter Record(int controller, int minimum, int maximum)
{
    return {"P" + std::to_string(controller), static_cast<std::uint8_t>(controller),
            static_cast<std::uint8_t>(minimum), static_cast<std::uint8_t>(maximum)};
}

class ControlChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRecordingMidi();
        RecordingMidi().devices = {{"Synth"}};
        ASSERT_TRUE(OpenOutputPort(0));
        FirstDraw = false;
        SeedGenerator(2001);
    }
    void TearDown() override { CloseOutputPort(); }

    // The values sent for one controller over many passes of `table`.
    std::set<int> ValuesOverPasses(const ParameterList& table, int passes)
    {
        for (int i = 0; i < passes; ++i) {
            RandomizeParameters(OutputPort, 0, table);
        }
        std::set<int> values;
        for (const auto& record : RecordingMidi().sent) {
            values.insert(static_cast<int>(record.message >> 16));
        }
        return values;
    }
};

TEST(PackControlChange, PutsTheStatusByteLowest)
{
    EXPECT_EQ(PackControlChange(0, 74, 100), 0x00644AB0u);
    EXPECT_EQ(PackControlChange(15, 0, 0), 0x000000BFu);
    EXPECT_EQ(PackControlChange(9, 127, 127), 0x007F7FB9u);
}

TEST_F(ControlChangeTest, SendsOneMessageThroughThePort)
{
    EXPECT_EQ(SendControlChange(OutputPort, 0, 74, 100), MidiNoError);
    ASSERT_EQ(RecordingMidi().sent.size(), 1u);
    EXPECT_EQ(RecordingMidi().sent[0].port, OutputPort);
    EXPECT_EQ(RecordingMidi().sent[0].message, 0x00644AB0u);
}

TEST_F(ControlChangeTest, RefusesAnythingThatIsNotAValidMessage)
{
    const struct {
        int channel, controller, value;
    } invalid[] = {{-1, 7, 0}, {16, 7, 0}, {0, 128, 0}, {0, 255, 0}, {0, -1, 0}, {0, 7, 128}, {0, 7, 200}, {0, 7, -1}};
    for (const auto& c : invalid) {
        SCOPED_TRACE(testing::Message() << c.channel << " " << c.controller << " " << c.value);
        EXPECT_EQ(SendControlChange(OutputPort, c.channel, c.controller, c.value), MidiInvalidParameter);
    }
    EXPECT_TRUE(RecordingMidi().sent.empty());
    EXPECT_EQ(RecordingMidi().refusedSends, 0);  // nothing even reached the service
}

TEST_F(ControlChangeTest, APassSendsEveryRecordInTableOrderOnTheChannel)
{
    const ParameterList table{Record(74, 0, 127), Record(71, 10, 20), Record(7, 64, 64)};
    RandomizeParameters(OutputPort, 5, table);
    const auto& sent = RecordingMidi().sent;
    ASSERT_EQ(sent.size(), 3u);
    const int controllers[] = {74, 71, 7};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sent[i].port, OutputPort);
        EXPECT_EQ(sent[i].message & 0xFFu, 0xB5u);
        EXPECT_EQ((sent[i].message >> 8) & 0xFFu, static_cast<unsigned>(controllers[i]));
    }
    const unsigned middle = sent[1].message >> 16;
    EXPECT_TRUE(middle >= 10 && middle <= 20) << middle;
    EXPECT_EQ(sent[2].message >> 16, 64u);
}

TEST_F(ControlChangeTest, AnEmptyTableSendsNothing)
{
    RandomizeParameters(OutputPort, 0, {});
    EXPECT_TRUE(RecordingMidi().sent.empty());
}

TEST_F(ControlChangeTest, DrawsFromTheBoundsLimitedToDataValues)
{
    const struct {
        const char* description;
        int minimum, maximum;
        std::set<int> expected;
    } cases[] = {
        {"equal bounds", 64, 64, {64}},
        {"both bounds above 127", 200, 200, {127}},
        {"a switch", 0, 1, {0, 1}},
        {"bounds in reverse order", 3, 1, {1, 2, 3}},
        {"upper bound above 127", 125, 255, {125, 126, 127}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        RecordingMidi().sent.clear();
        EXPECT_EQ(ValuesOverPasses({Record(74, c.minimum, c.maximum)}, 200), c.expected);
    }
    RecordingMidi().sent.clear();
    const auto full = ValuesOverPasses({Record(74, 0, 255)}, 5000);
    EXPECT_EQ(full.size(), 128u);
    EXPECT_EQ(*full.begin(), 0);
    EXPECT_EQ(*full.rbegin(), 127);
}

TEST_F(ControlChangeTest, LeavesOutRecordsWhoseControllerIsNoDataByte)
{
    RandomizeParameters(OutputPort, 0, {Record(128, 0, 127), Record(10, 0, 127), Record(255, 0, 127)});
    ASSERT_EQ(RecordingMidi().sent.size(), 1u);
    EXPECT_EQ((RecordingMidi().sent[0].message >> 8) & 0xFFu, 10u);
}

TEST_F(ControlChangeTest, GoesOnWhenSendsFailInTheMiddleOfAPass)
{
    RecordingMidi().sendsBeforeFailure = 1;
    RandomizeParameters(OutputPort, 0, {Record(1, 0, 127), Record(2, 0, 127), Record(3, 0, 127)});
    EXPECT_EQ(RecordingMidi().sent.size(), 1u);
    EXPECT_EQ(RecordingMidi().refusedSends, 2);
}

TEST_F(ControlChangeTest, SendsOnlyValidControlChangesWhateverTheTableHolds)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255), channelIndex(0, 15), length(0, 40);
    for (int pass = 0; pass < 500; ++pass) {
        ParameterList table;
        const int records = length(random);
        int sendable = 0;
        for (int i = 0; i < records; ++i) {
            table.push_back(Record(byte(random), byte(random), byte(random)));
            sendable += table.back().controller < 128;
        }
        const int channel = channelIndex(random);
        RecordingMidi().sent.clear();
        RandomizeParameters(OutputPort, channel, table);
        ASSERT_EQ(static_cast<int>(RecordingMidi().sent.size()), sendable);
        for (const auto& record : RecordingMidi().sent) {
            ASSERT_EQ(record.message & 0xFFu, 0xB0u + channel);
            ASSERT_LT((record.message >> 8) & 0xFFu, 128u);
            ASSERT_LT((record.message >> 16) & 0xFFu, 128u);
            ASSERT_EQ(record.message >> 24, 0u);
        }
    }
}

}  // namespace
