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

// While a serial port's input queue is empty, it is looked at again this often.
constexpr std::chrono::milliseconds kQueuePollPause{1};

// A serial read of what waits in the input queue, as soon as anything does, or nothing once
// `wait` has passed, so that the program sees each piece of a burst as it comes. The queue
// is watched rather than left to the read's own time-outs, which Wine does not end at the
// first byte.
IoResult SerialReadArriving(HANDLE handle, std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    COMSTAT queue{};
    for (;;) {
        DWORD errors = 0;
        if (!ClearCommError(handle, &errors, &queue)) {
            return {0, GetLastError()};
        }
        if (queue.cbInQue > 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            return {};
        }
        std::this_thread::sleep_for(kQueuePollPause);
    }
    COMMTIMEOUTS atOnce{MAXDWORD, 0, 0, 0, 0};
    if (!SetCommTimeouts(handle, &atOnce)) {
        return {0, GetLastError()};
    }
    DWORD got = 0;
    const BOOL read = ReadFile(handle, buffer, TransferSize(std::min<std::size_t>(capacity, queue.cbInQue)), &got, nullptr);
    return Completed(read, got);
}

// Reads pieces until the reply is whole, the buffer is full or the line stays quiet for `gap`.
template <typename ReadPiece>
IoResult Burst(std::uint8_t* buffer, std::size_t capacity, std::chrono::milliseconds firstWait,
               std::chrono::milliseconds gap, const port::ReplyWhole& whole, ReadPiece readPiece) {
    IoResult burst = readPiece(buffer, capacity, firstWait);
    while (burst.error == 0 && burst.bytes > 0 && burst.bytes < capacity && !whole(burst.bytes)) {
        const IoResult more = readPiece(buffer + burst.bytes, capacity - burst.bytes, gap);
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
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap, const port::ReplyWhole& whole) {
    const auto readPiece = [&](std::uint8_t* into, std::size_t room, std::chrono::milliseconds wait) {
        return io == DeviceIo::Serial ? SerialReadArriving(handle, into, room, wait)
                                      : OverlappedRead(handle, into, room, wait);
    };
    return Burst(buffer, capacity, firstWait, gap, whole, readPiece);
}

IoResult DropSerialInput(NativeHandle handle) {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(handle, &errors, &status)) {
        return {0, GetLastError()};
    }
    if (!PurgeComm(handle, PURGE_RXCLEAR)) {
        return {0, GetLastError()};
    }
    return {status.cbInQue, 0};
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
