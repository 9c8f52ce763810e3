#include "platform/sim/converter/chip/converter_chip.h"

#include "platform/converter_interface.h"

#include <string.h>

enum { INDIRECT_DEFAULT_A = 18, INDIRECT_DEFAULT_B = 25, INDIRECT_DEFAULT_C = 27 };

void chip_default_config(ChipConfig* config) {
    config->product_id = CONVERTER_MAIN_PRODUCT_ID;
    config->descriptor_length = USB_DEVICE_DESCRIPTOR_SIZE;
    config->powers_up_in_pal = 0;
    config->output_ready_delay_ms = 7000;
    config->indirect_busy_polls = 0;
}

void chip_init(ConverterChip* chip, const ChipConfig* config, uint32_t now_ms) {
    memset(chip, 0, sizeof *chip);
    chip->config = *config;
    chip->indirect[INDIRECT_DEFAULT_A] = 1000;
    chip->indirect[INDIRECT_DEFAULT_B] = 300;
    chip->indirect[INDIRECT_DEFAULT_C] = 500;
    chip_power_up(chip, now_ms);
}

void chip_power_up(ConverterChip* chip, uint32_t now_ms) {
    memset(chip->regs, 0, sizeof chip->regs);
    memset(chip->aux, 0, sizeof chip->aux);
    if (chip->config.powers_up_in_pal) {
        chip->regs[CHIP_REG_OUTPUT] = CHIP_OUTPUT_PAL;
    }
    chip->powered_up_at_ms = now_ms;
    chip->indirect_pending = 0;
    chip->indirect_polls_left = 0;
    chip->new_timing = 0;
    chip->bus_status = 0;
}

uint32_t chip_get_descriptor(const ConverterChip* chip, uint8_t* out, uint32_t out_length) {
    uint8_t descriptor[USB_DEVICE_DESCRIPTOR_SIZE];
    uint32_t length = chip->config.descriptor_length;
    memset(descriptor, 0, sizeof descriptor);
    descriptor[0] = USB_DEVICE_DESCRIPTOR_SIZE; /* bLength */
    descriptor[1] = 0x01;                       /* bDescriptorType: device */
    descriptor[2] = 0x10;                       /* bcdUSB 1.10 */
    descriptor[3] = 0x01;
    descriptor[7] = 0x40; /* bMaxPacketSize0 */
    descriptor[USB_DESCRIPTOR_PRODUCT_OFFSET] = (uint8_t)(chip->config.product_id & 0xFF);
    descriptor[USB_DESCRIPTOR_PRODUCT_OFFSET + 1] = (uint8_t)(chip->config.product_id >> 8);
    descriptor[17] = 0x01; /* bNumConfigurations */
    if (length > USB_DEVICE_DESCRIPTOR_SIZE) {
        length = USB_DEVICE_DESCRIPTOR_SIZE;
    }
    if (length > out_length) {
        length = out_length;
    }
    memcpy(out, descriptor, length);
    return length;
}

static int output_ready(const ConverterChip* chip, uint32_t now_ms) {
    return now_ms - chip->powered_up_at_ms >= chip->config.output_ready_delay_ms;
}

uint16_t chip_peek_register(const ConverterChip* chip, uint8_t reg, uint32_t now_ms) {
    if (reg == CHIP_REG_STATUS) {
        return (uint16_t)((output_ready(chip, now_ms) ? CHIP_STATUS_OUTPUT_READY : 0) |
                          (chip->new_timing ? CHIP_STATUS_NEW_TIMING : 0));
    }
    return chip->regs[reg];
}

static void write_register(ConverterChip* chip, uint8_t reg, uint16_t value) {
    switch (reg) {
    case CHIP_REG_STATUS:
        return; /* read only */
    case CHIP_REG_CONTROL:
        /* The acknowledge bit is a strobe: it clears the status and is not kept. */
        if (value & CHIP_CONTROL_ACK_TIMING) {
            chip->new_timing = 0;
        }
        chip->regs[reg] = (uint16_t)(value & ~CHIP_CONTROL_ACK_TIMING);
        return;
    case REG_INDIRECT_CONTROL:
        chip->regs[reg] = value;
        if (value & INDIRECT_START) {
            chip->indirect_pending = 1;
            chip->indirect_polls_left = chip->config.indirect_busy_polls;
        }
        return;
    default:
        chip->regs[reg] = value;
    }
}

static uint16_t read_register(ConverterChip* chip, uint8_t reg, uint32_t now_ms) {
    if (reg == REG_INDIRECT_CONTROL && chip->indirect_pending) {
        if (chip->indirect_polls_left == CHIP_POLLS_NEVER) {
            return chip->regs[reg];
        }
        if (chip->indirect_polls_left > 0) {
            --chip->indirect_polls_left;
            return chip->regs[reg];
        }
        chip->regs[REG_INDIRECT_DATA] = chip->indirect[chip->regs[reg] & 0xFF];
        chip->regs[reg] = 0;
        chip->indirect_pending = 0;
    }
    return chip_peek_register(chip, reg, now_ms);
}

static ChipResult bus_write(ConverterChip* chip, uint16_t address, const uint8_t* data,
                            uint32_t length) {
    if (address != CHIP_WRITE_ADDRESS) {
        return CHIP_OK; /* nothing else answers on the bus; the write goes nowhere */
    }
    if (length != 3) {
        return CHIP_BAD_LENGTH;
    }
    write_register(chip, data[0], (uint16_t)(data[1] | (data[2] << 8)));
    return CHIP_OK;
}

static ChipResult bus_read(ConverterChip* chip, uint16_t address, uint16_t index, uint8_t* data,
                           uint32_t length, uint32_t now_ms) {
    uint16_t value;
    if (address != CHIP_READ_ADDRESS) {
        memset(data, 0xFF, length); /* an idle bus reads as all ones */
        return CHIP_OK;
    }
    if (length != 2 || (index & 0xFF00u) != BUS_READ_INDEX_BASE) {
        return CHIP_BAD_LENGTH;
    }
    value = read_register(chip, (uint8_t)(index & 0xFF), now_ms);
    data[0] = (uint8_t)(value & 0xFF);
    data[1] = (uint8_t)(value >> 8);
    return CHIP_OK;
}

static int direction_is(const uint8_t* block, uint8_t type) {
    return block[0] == type;
}

ChipResult chip_vendor_request(ConverterChip* chip, const uint8_t* block, uint8_t* data,
                               uint32_t length, uint32_t* returned, uint32_t now_ms) {
    uint16_t value = (uint16_t)(block[2] | (block[3] << 8));
    uint16_t index = (uint16_t)(block[4] | (block[5] << 8));
    ChipResult result = CHIP_BAD_REQUEST;
    *returned = 0;
    switch (block[1]) {
    case REQ_BUS_WRITE:
        if (direction_is(block, VENDOR_REQUEST_TYPE_WRITE)) {
            result = bus_write(chip, value, data, length);
        }
        break;
    case REQ_BUS_READ:
        if (direction_is(block, VENDOR_REQUEST_TYPE_READ)) {
            result = bus_read(chip, value, index, data, length, now_ms);
        }
        break;
    case REQ_BUS_RESET:
        if (direction_is(block, VENDOR_REQUEST_TYPE_WRITE)) {
            chip->bus_status = 0;
            chip->indirect_pending = 0;
            return CHIP_OK;
        }
        break;
    case REQ_BUS_STATUS:
        if (direction_is(block, VENDOR_REQUEST_TYPE_READ)) {
            if (length != 1) {
                return CHIP_BAD_LENGTH;
            }
            data[0] = chip->bus_status;
            result = CHIP_OK;
        }
        break;
    case REQ_AUX_WRITE:
        if (direction_is(block, VENDOR_REQUEST_TYPE_WRITE)) {
            if (length != AUX_WRITE_LENGTH) {
                return CHIP_BAD_LENGTH;
            }
            memcpy(chip->aux[value & 0xFF], data, CHIP_AUX_WIDTH);
            result = CHIP_OK;
        }
        break;
    default:
        break;
    }
    if (result == CHIP_OK) {
        *returned = length;
    }
    return result;
}

void chip_note_bus_error(ConverterChip* chip) {
    chip->bus_status |= CHIP_BUS_STATUS_ERROR;
}

void chip_raise_new_timing(ConverterChip* chip) {
    chip->new_timing = 1;
}
