// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef PLURAL_H
#define PLURAL_H

#include <QtGlobal>

#include <limits>

// The number by which a translated text picks its plural form (tr's n) for a count of any size:
// the count itself where Qt can take it, else one that ends in the same six digits, which is all
// any language's plural rules look at. Such a text writes the count itself as %1.
namespace Plural {

inline int of(quint64 count)
{
    constexpr quint64 digits = 1000000;
    return count <= quint64(std::numeric_limits<int>::max()) ? int(count)
                                                             : int(digits + count % digits);
}

} // namespace Plural

#endif // PLURAL_H
