/* The converter driver's public interface: what crosses DeviceIoControl.
 * Plain C so that the application, the simulated device and a kernel-mode test driver
 * all read the same definitions. */
#ifndef CORVANE_CONVERTER_INTERFACE_H
#define CORVANE_CONVERTER_INTERFACE_H

#include <stdint.h>

/* CTL_CODE(FILE_DEVICE_UNKNOWN, function, method, FILE_ANY_ACCESS) */
#define CONVERTER_CTL_CODE(function, method) ((0x22u << 16) | ((function) << 2) | (method))

#define IOCTL_CONVERTER_GET_DESCRIPTOR CONVERTER_CTL_CODE(0x801u, 0u) /* METHOD_BUFFERED */
#define IOCTL_CONVERTER_VENDOR_REQUEST CONVERTER_CTL_CODE(0x809u, 2u) /* METHOD_OUT_DIRECT */

/* The first six bytes of a USB control setup packet; the length travels as the
 * size of the output buffer. */
#define VENDOR_REQUEST_SIZE 6
#define USB_DEVICE_DESCRIPTOR_SIZE 18
#define USB_DESCRIPTOR_PRODUCT_OFFSET 10

#define VENDOR_REQUEST_TYPE_READ 0xC0u
#define VENDOR_REQUEST_TYPE_WRITE 0x40u

#define REQ_BUS_WRITE 0x10u
#define REQ_BUS_READ 0x11u
#define REQ_BUS_RESET 0x14u
#define REQ_BUS_STATUS 0x15u
#define REQ_AUX_WRITE 0x60u

#define BUS_READ_INDEX_BASE 0x0100u
#define AUX_WRITE_LENGTH 3

#define CHIP_WRITE_ADDRESS 0x94u
#define CHIP_READ_ADDRESS 0x95u

#define REG_INDIRECT_CONTROL 0x78u
#define REG_INDIRECT_DATA 0x7Au
#define INDIRECT_START 0x0100u

#define CONVERTER_MAIN_PRODUCT_ID 0xA002u

/* The converter's device interface class, {4DBC3784-22F0-4E58-885C-CBF687503E4B}, as an
 * initialiser for a GUID. */
#define CONVERTER_INTERFACE_CLASS_INIT                                                             \
    {                                                                                              \
        0x4DBC3784, 0x22F0, 0x4E58, {                                                              \
            0x88, 0x5C, 0xCB, 0xF6, 0x87, 0x50, 0x3E, 0x4B                                         \
        }                                                                                          \
    }

#endif
