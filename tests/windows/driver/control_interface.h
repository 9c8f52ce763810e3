/* What crosses DeviceIoControl between convctl.exe and the test driver's control device:
 * plugging and unplugging the simulated converter, its power, its model and standard, another
 * process holding it, its indirect values and busy polls, an injected failure, and the traffic
 * log. Plain C, read by the kernel-mode driver and by the user-mode tool. */
#ifndef CORVANE_TEST_DRIVER_CONTROL_INTERFACE_H
#define CORVANE_TEST_DRIVER_CONTROL_INTERFACE_H

#include "platform/converter_interface.h"

#include <stdint.h>

#define CONTROL_DEVICE_NAME L"\\Device\\CorvaneConverterControl"
#define CONTROL_LINK_NAME L"\\DosDevices\\CorvaneConverterControl"
#define CONTROL_USER_PATH "\\\\.\\CorvaneConverterControl"

/* METHOD_BUFFERED, FILE_ANY_ACCESS */
#define CONTROL_CODE(function) CONVERTER_CTL_CODE(0x900u + (function), 0u)

#define IOCTL_CONTROL_PLUG CONTROL_CODE(1)        /* in: ControlPlug */
#define IOCTL_CONTROL_UNPLUG CONTROL_CODE(2)      /* - */
#define IOCTL_CONTROL_POWER_CYCLE CONTROL_CODE(3) /* - */
#define IOCTL_CONTROL_HOLD CONTROL_CODE(4)        /* in: uint32_t, non-zero while held */
#define IOCTL_CONTROL_INDIRECT CONTROL_CODE(5)    /* in: ControlIndirect */
#define IOCTL_CONTROL_FAIL CONTROL_CODE(6)        /* in: ControlFail */
#define IOCTL_CONTROL_LOG CONTROL_CODE(7)         /* in: uint32_t first; out: entries */
#define IOCTL_CONTROL_CLEAR CONTROL_CODE(8)       /* - */

typedef struct ControlPlug {
    uint32_t alternative_model; /* the descriptor names another product */
    uint32_t pal;               /* powers up in PAL */
} ControlPlug;

typedef struct ControlIndirect {
    uint16_t a, b, c; /* indirect values 18, 25 and 27 */
    uint16_t reserved;
    int32_t busy_polls; /* reads of the indirect control that stay busy, -1 for ever */
} ControlIndirect;

typedef struct ControlFail {
    uint32_t nth;   /* the nth transfer from now, 1 the next */
    int32_t status; /* the NTSTATUS it fails with */
} ControlFail;

#define CONTROL_LOG_DATA 32

/* One transfer that reached the converter. */
typedef struct ControlLogEntry {
    uint32_t io_control_code;
    uint8_t block[VENDOR_REQUEST_SIZE]; /* zero for the descriptor request */
    uint8_t succeeded;
    uint8_t count;  /* bytes of data: sent, or come back */
    int32_t status; /* the NTSTATUS of a failed transfer */
    uint8_t data[CONTROL_LOG_DATA];
} ControlLogEntry;

#endif
