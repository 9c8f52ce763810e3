// The simulated converter's chip, through its C entry points as a driver would call them.
#include "platform/converter_interface.h"
#include "platform/sim/converter/chip/converter_chip.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

class ChipTest : public ::testing::Test {
  protected:
    void SetUp() override { chip_default_config(&config); }
    void Init(uint32_t now = 0) { chip_init(&chip, &config, now); }

    ChipResult WriteRegister(uint8_t reg, uint16_t value, uint32_t now = 0) {
        const uint8_t block[6] = {0x40, REQ_BUS_WRITE, CHIP_WRITE_ADDRESS, 0, 0, 0};
        uint8_t data[3] = {reg, static_cast<uint8_t>(value & 0xFF),
                           static_cast<uint8_t>(value >> 8)};
        uint32_t returned = 0;
        return chip_vendor_request(&chip, block, data, sizeof data, &returned, now);
    }
    uint16_t ReadRegister(uint8_t reg, uint32_t now = 0) {
        const uint8_t block[6] = {0xC0, REQ_BUS_READ, CHIP_READ_ADDRESS, 0, reg, 1};
        uint8_t data[2] = {};
        uint32_t returned = 0;
        EXPECT_EQ(CHIP_OK, chip_vendor_request(&chip, block, data, sizeof data, &returned, now));
        EXPECT_EQ(2u, returned);
        return static_cast<uint16_t>(data[0] | (data[1] << 8));
    }
    int PollsUntilIndirectReady(uint8_t index, int limit) {
        WriteRegister(REG_INDIRECT_CONTROL, static_cast<uint16_t>(INDIRECT_START | index));
        for (int poll = 1; poll <= limit; ++poll) {
            if (ReadRegister(REG_INDIRECT_CONTROL) == 0) {
                return poll;
            }
        }
        return -1;
    }

    ChipConfig config{};
    ConverterChip chip{};
};

TEST_F(ChipTest, IndirectValuesHaveTheirMeasuredDefaults) {
    Init();
    for (const auto& [index, value] : {std::pair{18, 1000}, {25, 300}, {27, 500}}) {
        ASSERT_EQ(1, PollsUntilIndirectReady(static_cast<uint8_t>(index), 1));
        EXPECT_EQ(value, ReadRegister(REG_INDIRECT_DATA)) << "index " << index;
    }
}

class ChipIndirectBusyTest : public ChipTest, public ::testing::WithParamInterface<int> {};

TEST_P(ChipIndirectBusyTest, ControlRegisterStaysBusyForTheConfiguredPolls) {
    config.indirect_busy_polls = GetParam();
    Init();
    EXPECT_EQ(GetParam() + 1, PollsUntilIndirectReady(18, 100));
    EXPECT_EQ(1000, ReadRegister(REG_INDIRECT_DATA));
}

INSTANTIATE_TEST_SUITE_P(Polls, ChipIndirectBusyTest, ::testing::Values(0, 1, 7),
                         [](const auto& info) { return std::to_string(info.param) + "Polls"; });

TEST_F(ChipTest, IndirectReadThatNeverCompletes) {
    config.indirect_busy_polls = CHIP_POLLS_NEVER;
    Init();
    EXPECT_EQ(-1, PollsUntilIndirectReady(18, 1000));
    // A bus reset abandons the pending read.
    const uint8_t reset[6] = {0x40, REQ_BUS_RESET, 0, 0, 0, 0};
    uint32_t returned = 99;
    EXPECT_EQ(CHIP_OK, chip_vendor_request(&chip, reset, nullptr, 0, &returned, 0));
    EXPECT_EQ(0u, returned);
    EXPECT_EQ(0x0112, ReadRegister(REG_INDIRECT_CONTROL));
}

TEST_F(ChipTest, OutputReadyComesAfterTheDelayFromPowerUp) {
    config.output_ready_delay_ms = 7000;
    Init(1000);
    EXPECT_EQ(0, ReadRegister(CHIP_REG_STATUS, 7999) & CHIP_STATUS_OUTPUT_READY);
    EXPECT_EQ(CHIP_STATUS_OUTPUT_READY, ReadRegister(CHIP_REG_STATUS, 8000));
    chip_power_up(&chip, 9000);
    EXPECT_EQ(0, ReadRegister(CHIP_REG_STATUS, 9000) & CHIP_STATUS_OUTPUT_READY);
}

TEST_F(ChipTest, NewTimingStatusHoldsUntilAcknowledgedThroughTheControlRegister) {
    config.output_ready_delay_ms = 0;
    Init();
    chip_raise_new_timing(&chip);
    EXPECT_EQ(CHIP_STATUS_OUTPUT_READY | CHIP_STATUS_NEW_TIMING, ReadRegister(CHIP_REG_STATUS));
    EXPECT_EQ(CHIP_STATUS_OUTPUT_READY | CHIP_STATUS_NEW_TIMING, ReadRegister(CHIP_REG_STATUS));
    WriteRegister(CHIP_REG_CONTROL, 0x1008);
    EXPECT_EQ(CHIP_STATUS_OUTPUT_READY, ReadRegister(CHIP_REG_STATUS));
    EXPECT_EQ(0x1000, ReadRegister(CHIP_REG_CONTROL)) << "the acknowledge bit is not kept";
}

TEST_F(ChipTest, StatusRegisterIgnoresWrites) {
    config.output_ready_delay_ms = 0;
    Init();
    WriteRegister(CHIP_REG_STATUS, 0xFFFF);
    EXPECT_EQ(CHIP_STATUS_OUTPUT_READY, ReadRegister(CHIP_REG_STATUS));
}

TEST_F(ChipTest, PowerUpRestoresRegistersButKeepsTheModel) {
    config.powers_up_in_pal = 1;
    Init();
    EXPECT_EQ(CHIP_OUTPUT_PAL, ReadRegister(CHIP_REG_OUTPUT));
    WriteRegister(CHIP_REG_OUTPUT, 0x00A0);
    WriteRegister(0x26, 0x0020);
    EXPECT_EQ(0x00A0, ReadRegister(CHIP_REG_OUTPUT));
    chip_power_up(&chip, 0);
    EXPECT_EQ(CHIP_OUTPUT_PAL, ReadRegister(CHIP_REG_OUTPUT));
    EXPECT_EQ(0, ReadRegister(0x26));
}

TEST_F(ChipTest, DescriptorCarriesTheProductIdAndTheConfiguredLength) {
    config.product_id = 0xA003;
    config.descriptor_length = 12;
    Init();
    std::array<uint8_t, 18> out{};
    EXPECT_EQ(12u, chip_get_descriptor(&chip, out.data(), out.size()));
    EXPECT_EQ(0x03, out[10]);
    EXPECT_EQ(0xA0, out[11]);
    EXPECT_EQ(0, out[12]);
    EXPECT_EQ(4u, chip_get_descriptor(&chip, out.data(), 4)) << "never past the caller's buffer";
}

TEST_F(ChipTest, AuxWriteKeepsTheLastBytesPerAddressAndStatusReportsBusErrors) {
    Init();
    const uint8_t aux[6] = {0x40, REQ_AUX_WRITE, CHIP_AUX_INPUT_SELECT, 0, 0, 0};
    uint8_t first[3] = {0x38, 0x38, 0x30};
    uint8_t second[3] = {0x38, 0x38, 0x10};
    uint32_t returned = 0;
    ASSERT_EQ(CHIP_OK, chip_vendor_request(&chip, aux, first, 3, &returned, 0));
    ASSERT_EQ(CHIP_OK, chip_vendor_request(&chip, aux, second, 3, &returned, 0));
    EXPECT_EQ(3u, returned);
    EXPECT_EQ(0, std::memcmp(chip.aux[CHIP_AUX_INPUT_SELECT], second, 3));

    const uint8_t status[6] = {0xC0, REQ_BUS_STATUS, 0, 0, 0, 0};
    uint8_t byte = 0xFF;
    ASSERT_EQ(CHIP_OK, chip_vendor_request(&chip, status, &byte, 1, &returned, 0));
    EXPECT_EQ(0, byte);
    chip_note_bus_error(&chip);
    ASSERT_EQ(CHIP_OK, chip_vendor_request(&chip, status, &byte, 1, &returned, 0));
    EXPECT_EQ(CHIP_BUS_STATUS_ERROR, byte);
}

TEST_F(ChipTest, MalformedRequestsAreRejectedWithoutSideEffects) {
    Init();
    uint8_t data[4] = {0x26, 0x20, 0x00, 0x00};
    uint32_t returned = 7;
    const uint8_t wrongDirection[6] = {0xC0, REQ_BUS_WRITE, CHIP_WRITE_ADDRESS, 0, 0, 0};
    EXPECT_EQ(CHIP_BAD_REQUEST, chip_vendor_request(&chip, wrongDirection, data, 3, &returned, 0));
    EXPECT_EQ(0u, returned);
    const uint8_t write[6] = {0x40, REQ_BUS_WRITE, CHIP_WRITE_ADDRESS, 0, 0, 0};
    EXPECT_EQ(CHIP_BAD_LENGTH, chip_vendor_request(&chip, write, data, 4, &returned, 0));
    const uint8_t unknown[6] = {0x40, 0x7F, 0, 0, 0, 0};
    EXPECT_EQ(CHIP_BAD_REQUEST, chip_vendor_request(&chip, unknown, data, 3, &returned, 0));
    EXPECT_EQ(0, ReadRegister(0x26));
}

} // namespace
