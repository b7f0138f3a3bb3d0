// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef GUARDEDBYTES_H
#define GUARDEDBYTES_H

#include <QByteArray>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

// A copy of some bytes that ends right at an inaccessible page. Qt is not built with
// AddressSanitizer, so a read it makes past the end of a catalogue goes unnoticed in ordinary
// memory; here it faults at the first byte too far.
class GuardedBytes
{
public:
    explicit GuardedBytes(const QByteArray &bytes)
    {
        const size_t page = size_t(::sysconf(_SC_PAGESIZE));
        const size_t size = size_t(bytes.size());
        length = (size + page - 1) / page * page + page;
        void *map =
            ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED) {
            length = 0;
            return;
        }
        base = static_cast<char *>(map);
        ::mprotect(base + length - page, page, PROT_NONE);
        start = base + length - page - size;
        std::memcpy(start, bytes.constData(), size);
        count = int(size);
    }
    ~GuardedBytes()
    {
        if (base)
            ::munmap(base, length);
    }
    GuardedBytes(const GuardedBytes &) = delete;
    GuardedBytes &operator=(const GuardedBytes &) = delete;

    const uchar *data() const { return reinterpret_cast<const uchar *>(start); }
    // The bytes themselves, to change one in place and put it back.
    char *bytes() { return start; }
    int size() const { return count; }

private:
    char *base = nullptr;
    char *start = nullptr;
    size_t length = 0;
    int count = 0;
};

#endif // GUARDEDBYTES_H
