#include "link/win32/DeviceIo.h"

#include <windows.h>

#include <algorithm>
#include <thread>

namespace lanvane::win32 {
namespace {

using Clock = std::chrono::steady_clock;

// Time-outs are DWORD milliseconds, and MAXDWORD has a meaning of its own.
DWORD Milliseconds(std::chrono::milliseconds duration) {
    const auto count = std::clamp<std::chrono::milliseconds::rep>(duration.count(), 1, MAXDWORD - 1);
    return static_cast<DWORD>(count);
}

DWORD TransferSize(std::size_t size) {
    return static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
}

// Windows reports a read that ran out of time as 0 bytes; Wine's serial emulation as
// ERROR_TIMEOUT. Either way nothing came, which is no failure.
bool RanOutOfTime(DWORD error) {
    return error == ERROR_TIMEOUT || error == ERROR_SEM_TIMEOUT || error == ERROR_OPERATION_ABORTED;
}

IoResult Completed(BOOL succeeded, DWORD bytes) {
    const DWORD error = succeeded ? 0 : GetLastError();
    return {bytes, RanOutOfTime(error) ? 0 : error};
}

// A serial read ends when `gap` passes after a byte with no more, when `total` has passed,
// or when the buffer is full: the driver times the burst itself.
IoResult SerialRead(HANDLE handle, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds gap,
                    std::chrono::milliseconds total) {
    COMMTIMEOUTS timeouts{Milliseconds(gap), 0, Milliseconds(total), 0, 0};
    if (!SetCommTimeouts(handle, &timeouts)) {
        return {0, GetLastError()};
    }
    DWORD got = 0;
    const BOOL read = ReadFile(handle, buffer, TransferSize(capacity), &got, nullptr);
    return Completed(read, got);
}

// A read that ran until its total time-out may have cut a burst; the rest follows within the gap.
IoResult SerialBurst(HANDLE handle, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds firstWait,
                     std::chrono::milliseconds gap) {
    auto deadline = Clock::now() + firstWait;
    IoResult burst = SerialRead(handle, buffer, capacity, gap, firstWait);
    while (burst.error == 0 && burst.bytes > 0 && burst.bytes < capacity && Clock::now() >= deadline) {
        deadline = Clock::now() + gap;
        const IoResult more = SerialRead(handle, buffer + burst.bytes, capacity - burst.bytes, gap, gap);
        burst.bytes += more.bytes;
        burst.error = more.error;
        if (more.bytes == 0) {
            break;
        }
    }
    return burst;
}

IoResult SerialWrite(HANDLE handle, const std::uint8_t* data, std::size_t length, std::chrono::milliseconds limit) {
    COMMTIMEOUTS timeouts{0, 0, 0, 0, Milliseconds(limit)};
    if (!SetCommTimeouts(handle, &timeouts)) {
        return {0, GetLastError()};
    }
    DWORD put = 0;
    const BOOL written = WriteFile(handle, data, TransferSize(length), &put, nullptr);
    return Completed(written, put);
}

// One overlapped transfer, cancelled when it has not ended by the deadline.
template <typename Start>
IoResult Overlapped(HANDLE handle, Clock::time_point deadline, Start start) {
    OVERLAPPED overlapped{};
    overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (overlapped.hEvent == nullptr) {
        return {0, GetLastError()};
    }
    if (!start(overlapped) && GetLastError() != ERROR_IO_PENDING) {
        const DWORD error = GetLastError();
        CloseHandle(overlapped.hEvent);
        return {0, error};
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (WaitForSingleObject(overlapped.hEvent, static_cast<DWORD>(std::max<long long>(left.count(), 0))) !=
        WAIT_OBJECT_0) {
        CancelIoEx(handle, &overlapped);
    }
    DWORD moved = 0;
    const BOOL finished = GetOverlappedResult(handle, &overlapped, &moved, TRUE);
    const IoResult result = Completed(finished, moved);
    CloseHandle(overlapped.hEvent);
    return result;
}

// A USB printer with nothing to say may end a read at once with no bytes; such reads are
// tried again, a little apart, until the wait is over.
constexpr std::chrono::milliseconds kEmptyReadPause{10};

IoResult OverlappedRead(HANDLE handle, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    for (;;) {
        const IoResult result = Overlapped(handle, deadline, [&](OVERLAPPED& overlapped) {
            return ReadFile(handle, buffer, TransferSize(capacity), nullptr, &overlapped);
        });
        if (result.bytes > 0 || result.error != 0 || Clock::now() + kEmptyReadPause >= deadline) {
            return result;
        }
        std::this_thread::sleep_for(kEmptyReadPause);
    }
}

IoResult OverlappedBurst(HANDLE handle, std::uint8_t* buffer, std::size_t capacity,
                         std::chrono::milliseconds firstWait, std::chrono::milliseconds gap) {
    IoResult burst = OverlappedRead(handle, buffer, capacity, firstWait);
    IoResult more = burst;
    while (more.error == 0 && more.bytes > 0 && burst.bytes < capacity) {
        more = OverlappedRead(handle, buffer + burst.bytes, capacity - burst.bytes, gap);
        burst.bytes += more.bytes;
        burst.error = more.error;
    }
    return burst;
}

IoResult OverlappedWrite(HANDLE handle, const std::uint8_t* data, std::size_t length,
                         std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    IoResult total;
    while (total.bytes < length && total.error == 0 && Clock::now() < deadline) {
        const IoResult result = Overlapped(handle, deadline, [&](OVERLAPPED& overlapped) {
            return WriteFile(handle, data + total.bytes, TransferSize(length - total.bytes), nullptr, &overlapped);
        });
        total.bytes += result.bytes;
        total.error = result.error;
    }
    return total;
}

}  // namespace

IoResult ReadBurst(NativeHandle handle, DeviceIo io, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap) {
    return io == DeviceIo::Serial ? SerialBurst(handle, buffer, capacity, firstWait, gap)
                                  : OverlappedBurst(handle, buffer, capacity, firstWait, gap);
}

IoResult ReadWaiting(NativeHandle handle, std::uint8_t* buffer, std::size_t capacity) {
    return OverlappedRead(handle, buffer, capacity, std::chrono::milliseconds{0});
}

IoResult WriteWithin(NativeHandle handle, DeviceIo io, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit) {
    return io == DeviceIo::Serial ? SerialWrite(handle, data, length, limit)
                                  : OverlappedWrite(handle, data, length, limit);
}

}  // namespace lanvane::win32
