/* The simulated converter's device side: its video chip's registers, the indirect read,
 * the status register, the bus status and reset, and the auxiliary address space.
 * Self-contained C with no allocation and no library calls beyond memcpy/memset, so that
 * the simulated Windows hosts it today and a kernel-mode test driver can host it too.
 * One entry point per control code; the host passes the time in milliseconds. */
#ifndef CORVANE_CONVERTER_CHIP_H
#define CORVANE_CONVERTER_CHIP_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define CHIP_REGISTER_COUNT 256
#define CHIP_INDIRECT_COUNT 256
#define CHIP_AUX_COUNT 256
#define CHIP_AUX_WIDTH 3
#define CHIP_POLLS_NEVER (-1)

#define CHIP_REG_CONTROL 0x60u
#define CHIP_REG_STATUS 0x62u
#define CHIP_REG_OUTPUT 0x64u
#define CHIP_STATUS_NEW_TIMING 0x08u
#define CHIP_STATUS_OUTPUT_READY 0x10u
#define CHIP_CONTROL_ACK_TIMING 0x08u
#define CHIP_OUTPUT_PAL 0x0800u
#define CHIP_BUS_STATUS_ERROR 0x01u

/* Where the external input selection lives in the auxiliary address space. */
#define CHIP_AUX_INPUT_SELECT 0x0Cu

typedef enum ChipResult {
    CHIP_OK = 0,
    CHIP_BAD_REQUEST, /* unknown request or wrong direction: the driver rejects it */
    CHIP_BAD_LENGTH   /* data buffer of the wrong size for the request */
} ChipResult;

/* What a particular converter is, fixed when it is made. */
typedef struct ChipConfig {
    uint16_t product_id;
    uint32_t descriptor_length; /* bytes the descriptor request returns, at most 18 */
    int powers_up_in_pal;
    uint32_t output_ready_delay_ms; /* from power-up until status bit 0x10 */
    int indirect_busy_polls;        /* reads of 0x78 that stay busy, or CHIP_POLLS_NEVER */
} ChipConfig;

typedef struct ConverterChip {
    ChipConfig config;
    uint16_t regs[CHIP_REGISTER_COUNT];
    uint16_t indirect[CHIP_INDIRECT_COUNT];
    uint8_t aux[CHIP_AUX_COUNT][CHIP_AUX_WIDTH];
    uint32_t powered_up_at_ms;
    int indirect_pending;
    int indirect_polls_left;
    int new_timing;
    uint8_t bus_status;
} ConverterChip;

/* The main model, NTSC, output ready 7 s after power-up, indirect reads ready at once. */
void chip_default_config(ChipConfig* config);

/* Sets the configuration and the chip's measured indirect values, then powers up. */
void chip_init(ConverterChip* chip, const ChipConfig* config, uint32_t now_ms);

/* Power returns after a loss: registers, bus and pending reads start afresh. */
void chip_power_up(ConverterChip* chip, uint32_t now_ms);

/* IOCTL_CONVERTER_GET_DESCRIPTOR: returns the number of bytes placed in out. */
uint32_t chip_get_descriptor(const ConverterChip* chip, uint8_t* out, uint32_t out_length);

/* IOCTL_CONVERTER_VENDOR_REQUEST: block is the 6-byte request, data the transfer buffer. */
ChipResult chip_vendor_request(ConverterChip* chip, const uint8_t* block, uint8_t* data,
                               uint32_t length, uint32_t* returned, uint32_t now_ms);

/* The host saw a transfer fail on the bus: the next status byte says so. */
void chip_note_bus_error(ConverterChip* chip);

/* The input signal's timing changed: status bit 0x08 until acknowledged. */
void chip_raise_new_timing(ConverterChip* chip);

/* A register as the chip holds it, without the side effects of a bus read. */
uint16_t chip_peek_register(const ConverterChip* chip, uint8_t reg, uint32_t now_ms);

#ifdef __cplusplus
}
#endif

#endif
