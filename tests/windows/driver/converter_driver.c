/* A kernel-mode test driver that puts the simulated converter's chip behind the converter's
 * device interface, so that corvane.exe under Wine drives it exactly as it drives a converter
 * on the USB bus: a root-enumerated PnP device whose function device object registers the
 * converter's interface class and answers the two control codes with converter_chip.c, and a
 * control device through which convctl.exe plugs and unplugs it, cuts its power, holds it
 * for another process, sets what the chip measures, injects a failing transfer, and reads the
 * traffic log. */
#include <ntddk.h>

#include "platform/converter_interface.h"
#include "platform/sim/converter/chip/converter_chip.h"
#include "tests/windows/driver/control_interface.h"

#define LOG_CAPACITY 8192
#define ALTERNATIVE_PRODUCT_ID 0xA003u

/* Everything about the one simulated converter, under one lock. */
static struct {
    KSPIN_LOCK lock;
    ConverterChip chip;
    BOOLEAN attached;
    BOOLEAN held_elsewhere;
    ULONG generation; /* a handle opened before an unplug stays dead */
    LONG open_handles;
    ULONG transfers_seen;
    ULONG fail_at; /* 0 for none */
    NTSTATUS fail_status;
    ULONG log_count;
    ControlLogEntry log[LOG_CAPACITY];
} g_converter;

static PDEVICE_OBJECT g_control;   /* the control device */
static PDEVICE_OBJECT g_function;  /* the converter's function device object */
static PDEVICE_OBJECT g_lower;     /* what it is attached to */
static UNICODE_STRING g_interface; /* the interface's symbolic link */
static BOOLEAN g_started;

static const GUID kInterfaceClass = CONVERTER_INTERFACE_CLASS_INIT;

/* Milliseconds from a clock every Wine version provides to drivers. */
static uint32_t NowMs(void) {
    LARGE_INTEGER frequency;
    const LARGE_INTEGER counter = KeQueryPerformanceCounter(&frequency);
    return (uint32_t)(counter.QuadPart / (frequency.QuadPart / 1000));
}

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

/* The interface's arrival and removal broadcasts follow its state. */
static void ShowInterface(BOOLEAN shown) {
    if (g_started && g_interface.Buffer != NULL) {
        IoSetDeviceInterfaceState(&g_interface, shown);
    }
}

static void PowerUp(const ControlPlug* plug) {
    ChipConfig config;
    chip_default_config(&config);
    if (plug != NULL) {
        config.product_id = plug->alternative_model ? ALTERNATIVE_PRODUCT_ID : config.product_id;
        config.powers_up_in_pal = plug->pal ? 1 : 0;
    }
    chip_init(&g_converter.chip, &config, NowMs());
}

/* Called with the lock held. */
static void Log(ULONG code, const uint8_t* block, BOOLEAN succeeded, NTSTATUS status,
                const uint8_t* data, ULONG count) {
    ControlLogEntry* entry;
    if (g_converter.log_count >= LOG_CAPACITY) {
        return;
    }
    entry = &g_converter.log[g_converter.log_count++];
    RtlZeroMemory(entry, sizeof *entry);
    entry->io_control_code = code;
    if (block != NULL) {
        RtlCopyMemory(entry->block, block, VENDOR_REQUEST_SIZE);
    }
    entry->succeeded = succeeded;
    entry->status = status;
    if (count > CONTROL_LOG_DATA) {
        count = CONTROL_LOG_DATA;
    }
    entry->count = (uint8_t)count;
    if (data != NULL && count > 0) {
        RtlCopyMemory(entry->data, data, count);
    }
}

/* Called with the lock held: the injected failure, when this transfer is the one. */
static NTSTATUS TakeFault(void) {
    ++g_converter.transfers_seen;
    if (g_converter.fail_at != 0 && g_converter.fail_at == g_converter.transfers_seen) {
        g_converter.fail_at = 0;
        return g_converter.fail_status;
    }
    return STATUS_SUCCESS;
}

static NTSTATUS StatusFor(ChipResult result) {
    return result == CHIP_OK           ? STATUS_SUCCESS
           : result == CHIP_BAD_LENGTH ? STATUS_INVALID_PARAMETER
                                       : STATUS_INVALID_DEVICE_REQUEST;
}

static NTSTATUS ConverterControl(PIRP irp, PIO_STACK_LOCATION stack) {
    const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    const ULONG in_length = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG out_length = stack->Parameters.DeviceIoControl.OutputBufferLength;
    const uint8_t* block = irp->AssociatedIrp.SystemBuffer;
    uint8_t* out;
    uint32_t count = 0;
    NTSTATUS status;
    KIRQL irql;

    if (code == IOCTL_CONVERTER_GET_DESCRIPTOR) {
        out = irp->AssociatedIrp.SystemBuffer;
    } else if (code == IOCTL_CONVERTER_VENDOR_REQUEST) {
        if (block == NULL || in_length != VENDOR_REQUEST_SIZE) {
            return Complete(irp, STATUS_INVALID_PARAMETER, 0);
        }
        out = irp->MdlAddress != NULL
                  ? MmGetSystemAddressForMdlSafe(irp->MdlAddress, NormalPagePriority)
                  : NULL;
        if (out == NULL && out_length != 0) {
            return Complete(irp, STATUS_INSUFFICIENT_RESOURCES, 0);
        }
    } else {
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }

    KeAcquireSpinLock(&g_converter.lock, &irql);
    if (!g_converter.attached ||
        (ULONG)(ULONG_PTR)stack->FileObject->FsContext2 != g_converter.generation) {
        KeReleaseSpinLock(&g_converter.lock, irql);
        return Complete(irp, STATUS_DEVICE_NOT_CONNECTED, 0);
    }
    status = TakeFault();
    if (code == IOCTL_CONVERTER_GET_DESCRIPTOR) {
        if (NT_SUCCESS(status)) {
            count = chip_get_descriptor(&g_converter.chip, out, out_length);
        }
        Log(code, NULL, NT_SUCCESS(status), status, out, count);
    } else {
        const BOOLEAN host_to_device = block[0] == VENDOR_REQUEST_TYPE_WRITE;
        uint8_t sent[CONTROL_LOG_DATA];
        const ULONG sent_count = out_length < CONTROL_LOG_DATA ? out_length : CONTROL_LOG_DATA;
        if (host_to_device && sent_count > 0) {
            RtlCopyMemory(sent, out, sent_count);
        }
        if (NT_SUCCESS(status)) {
            status = StatusFor(
                chip_vendor_request(&g_converter.chip, block, out, out_length, &count, NowMs()));
        } else {
            chip_note_bus_error(&g_converter.chip);
        }
        if (host_to_device) {
            Log(code, block, NT_SUCCESS(status), status, sent, sent_count);
        } else {
            Log(code, block, NT_SUCCESS(status), status, out, NT_SUCCESS(status) ? count : 0);
        }
    }
    KeReleaseSpinLock(&g_converter.lock, irql);
    return Complete(irp, status, NT_SUCCESS(status) ? count : 0);
}

/* How many input bytes each control code reads. */
static ULONG InputNeeded(ULONG code) {
    switch (code) {
    case IOCTL_CONTROL_PLUG:
        return sizeof(ControlPlug);
    case IOCTL_CONTROL_INDIRECT:
        return sizeof(ControlIndirect);
    case IOCTL_CONTROL_FAIL:
        return sizeof(ControlFail);
    case IOCTL_CONTROL_HOLD:
    case IOCTL_CONTROL_LOG:
        return sizeof(uint32_t);
    default:
        return 0;
    }
}

static NTSTATUS ControlDeviceControl(PIRP irp, PIO_STACK_LOCATION stack) {
    const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    const ULONG in_length = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG out_length = stack->Parameters.DeviceIoControl.OutputBufferLength;
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    ULONG_PTR information = 0;
    BOOLEAN show = FALSE, hide = FALSE;
    KIRQL irql;

    if (in_length < InputNeeded(code)) {
        return Complete(irp, STATUS_INVALID_PARAMETER, 0);
    }
    KeAcquireSpinLock(&g_converter.lock, &irql);
    switch (code) {
    case IOCTL_CONTROL_PLUG:
        PowerUp((const ControlPlug*)buffer);
        hide = g_converter.attached; /* plugged again: a removal first */
        g_converter.attached = TRUE;
        g_converter.held_elsewhere = FALSE; /* a converter just plugged in is nobody's yet */
        ++g_converter.generation;
        g_converter.open_handles = 0;
        show = TRUE;
        break;
    case IOCTL_CONTROL_UNPLUG:
        hide = g_converter.attached;
        g_converter.attached = FALSE;
        break;
    case IOCTL_CONTROL_POWER_CYCLE:
        chip_power_up(&g_converter.chip, NowMs());
        break;
    case IOCTL_CONTROL_HOLD:
        g_converter.held_elsewhere = *(const uint32_t*)buffer != 0;
        break;
    case IOCTL_CONTROL_INDIRECT: {
        const ControlIndirect* values = buffer;
        g_converter.chip.indirect[18] = values->a;
        g_converter.chip.indirect[25] = values->b;
        g_converter.chip.indirect[27] = values->c;
        g_converter.chip.config.indirect_busy_polls = values->busy_polls;
        break;
    }
    case IOCTL_CONTROL_FAIL: {
        const ControlFail* fail = buffer;
        g_converter.fail_at = g_converter.transfers_seen + fail->nth;
        g_converter.fail_status = fail->status;
        break;
    }
    case IOCTL_CONTROL_LOG: {
        ULONG first, room, n = 0;
        first = *(const uint32_t*)buffer;
        room = out_length / sizeof(ControlLogEntry);
        while (n < room && first + n < g_converter.log_count) {
            RtlCopyMemory((ControlLogEntry*)buffer + n, &g_converter.log[first + n],
                          sizeof(ControlLogEntry));
            ++n;
        }
        information = n * sizeof(ControlLogEntry);
        break;
    }
    case IOCTL_CONTROL_CLEAR:
        g_converter.log_count = 0;
        break;
    default:
        KeReleaseSpinLock(&g_converter.lock, irql);
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
    KeReleaseSpinLock(&g_converter.lock, irql);
    if (hide) {
        ShowInterface(FALSE);
    }
    if (show) {
        ShowInterface(TRUE);
    }
    return Complete(irp, STATUS_SUCCESS, information);
}

static NTSTATUS NTAPI DispatchCreate(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    NTSTATUS status = STATUS_SUCCESS;
    KIRQL irql;
    if (device == g_control) {
        return Complete(irp, STATUS_SUCCESS, 0);
    }
    KeAcquireSpinLock(&g_converter.lock, &irql);
    if (!g_converter.attached) {
        status = STATUS_NO_SUCH_DEVICE;
    } else if (g_converter.held_elsewhere || g_converter.open_handles > 0) {
        /* The converter admits one handle at a time, whoever asks. */
        status = STATUS_ACCESS_DENIED;
    } else {
        ++g_converter.open_handles;
        stack->FileObject->FsContext2 = (PVOID)(ULONG_PTR)g_converter.generation;
    }
    KeReleaseSpinLock(&g_converter.lock, irql);
    return Complete(irp, status, 0);
}

static NTSTATUS NTAPI DispatchClose(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    KIRQL irql;
    if (device != g_control) {
        KeAcquireSpinLock(&g_converter.lock, &irql);
        if ((ULONG)(ULONG_PTR)stack->FileObject->FsContext2 == g_converter.generation &&
            g_converter.open_handles > 0) {
            --g_converter.open_handles;
        }
        KeReleaseSpinLock(&g_converter.lock, irql);
    }
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI DispatchDeviceControl(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    return device == g_control ? ControlDeviceControl(irp, stack) : ConverterControl(irp, stack);
}

static NTSTATUS NTAPI OnLowerDone(PDEVICE_OBJECT device, PIRP irp, PVOID context) {
    (void)device;
    (void)irp;
    KeSetEvent((PKEVENT)context, IO_NO_INCREMENT, FALSE);
    return STATUS_MORE_PROCESSING_REQUIRED;
}

/* The bus starts the device first; then the converter's interface appears. */
static NTSTATUS StartDevice(PIRP irp) {
    KEVENT done;
    NTSTATUS status;
    KeInitializeEvent(&done, NotificationEvent, FALSE);
    IoCopyCurrentIrpStackLocationToNext(irp);
    IoSetCompletionRoutine(irp, OnLowerDone, &done, TRUE, TRUE, TRUE);
    status = IoCallDriver(g_lower, irp);
    if (status == STATUS_PENDING) {
        KeWaitForSingleObject(&done, Executive, KernelMode, FALSE, NULL);
        status = irp->IoStatus.Status;
    }
    if (NT_SUCCESS(status)) {
        g_started = TRUE;
        ShowInterface(g_converter.attached);
    }
    return Complete(irp, status, 0);
}

static NTSTATUS NTAPI DispatchPnp(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    NTSTATUS status;
    if (device == g_control) {
        return Complete(irp, STATUS_NOT_SUPPORTED, 0);
    }
    switch (stack->MinorFunction) {
    case IRP_MN_START_DEVICE:
        return StartDevice(irp);
    case IRP_MN_REMOVE_DEVICE:
        ShowInterface(FALSE);
        g_started = FALSE;
        IoSkipCurrentIrpStackLocation(irp);
        status = IoCallDriver(g_lower, irp);
        IoDetachDevice(g_lower);
        RtlFreeUnicodeString(&g_interface);
        IoDeleteDevice(g_function);
        g_function = NULL;
        return status;
    default:
        IoSkipCurrentIrpStackLocation(irp);
        return IoCallDriver(g_lower, irp);
    }
}

static NTSTATUS NTAPI AddDevice(PDRIVER_OBJECT driver, PDEVICE_OBJECT physical) {
    NTSTATUS status = IoCreateDevice(driver, 0, NULL, FILE_DEVICE_UNKNOWN, 0, FALSE, &g_function);
    if (!NT_SUCCESS(status)) {
        return status;
    }
    status = IoRegisterDeviceInterface(physical, &kInterfaceClass, NULL, &g_interface);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(g_function);
        return status;
    }
    g_lower = IoAttachDeviceToDeviceStack(g_function, physical);
    g_function->Flags |= DO_DIRECT_IO;
    g_function->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}

static void NTAPI Unload(PDRIVER_OBJECT driver) {
    UNICODE_STRING link;
    (void)driver;
    RtlInitUnicodeString(&link, CONTROL_LINK_NAME);
    IoDeleteSymbolicLink(&link);
    IoDeleteDevice(g_control);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registry_path) {
    UNICODE_STRING name, link;
    NTSTATUS status;
    (void)registry_path;
    KeInitializeSpinLock(&g_converter.lock);
    PowerUp(NULL);
    g_converter.attached = TRUE;
    g_converter.generation = 1;

    RtlInitUnicodeString(&name, CONTROL_DEVICE_NAME);
    RtlInitUnicodeString(&link, CONTROL_LINK_NAME);
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &g_control);
    if (!NT_SUCCESS(status)) {
        return status;
    }
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(g_control);
        return status;
    }
    g_control->Flags &= ~DO_DEVICE_INITIALIZING;

    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchDeviceControl;
    driver->MajorFunction[IRP_MJ_PNP] = DispatchPnp;
    driver->DriverExtension->AddDevice = AddDevice;
    driver->DriverUnload = Unload;
    return STATUS_SUCCESS;
}
