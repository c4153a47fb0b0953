#pragma once
// Row heights or column widths, with running sums kept so that finding the row at a scroll
// position, or the offset of a row, costs the same for 100,000 rows as for 10.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Types.h"

class CGridSizeArray {
public:
    int GetSize() const { return static_cast<int>(m_sizes.size()); }
    UINT operator[](int index) const { return m_sizes[static_cast<size_t>(index)]; }

    void Set(int index, UINT size) {
        const auto i = static_cast<size_t>(index);
        m_total += static_cast<std::int64_t>(size) - m_sizes[i];
        m_sizes[i] = size;
        Touch(i);
    }
    void InsertAt(int index, UINT size) {
        const auto i = static_cast<size_t>(index);
        m_sizes.insert(m_sizes.begin() + static_cast<std::ptrdiff_t>(i), size);
        m_total += size;
        Touch(i);
    }
    void Append(UINT size) { InsertAt(GetSize(), size); }
    void RemoveAt(int index) {
        const auto i = static_cast<size_t>(index);
        m_total -= m_sizes[i];
        m_sizes.erase(m_sizes.begin() + static_cast<std::ptrdiff_t>(i));
        Touch(i);
    }
    // New entries take `size`.
    void SetSize(int count, UINT size) {
        const auto n = static_cast<size_t>(std::max(count, 0));
        if (n < m_sizes.size()) {
            for (size_t i = n; i < m_sizes.size(); ++i) m_total -= m_sizes[i];
            m_sizes.resize(n);
            Touch(n);
        } else if (n > m_sizes.size()) {
            const size_t from = m_sizes.size();
            m_total += static_cast<std::int64_t>(size) * static_cast<std::int64_t>(n - from);
            m_sizes.resize(n, size);
            Touch(from);
        }
    }
    void RemoveAll() { SetSize(0, 0); }
    void Swap(int a, int b) {
        std::swap(m_sizes[static_cast<size_t>(a)], m_sizes[static_cast<size_t>(b)]);
        Touch(static_cast<size_t>(std::min(a, b)));
    }

    std::int64_t Total() const { return m_total; }
    // Sum of the entries [first, last), 0 for an empty or reversed span.
    std::int64_t Sum(int first, int last) const {
        first = std::clamp(first, 0, GetSize());
        last = std::clamp(last, 0, GetSize());
        return last > first ? Prefix(static_cast<size_t>(last)) - Prefix(static_cast<size_t>(first)) : 0;
    }
    // The first index i in [first, last] with Sum(first, i) >= offset; last when none, and first
    // when the span is empty.
    int FirstReaching(int first, int last, std::int64_t offset) const {
        if (first >= last || offset <= 0) return first;
        const std::int64_t target = Prefix(static_cast<size_t>(first)) + offset;
        Prefix(static_cast<size_t>(last));  // brings the running sums up to date
        const auto begin = m_prefix.begin() + first;
        const auto end = m_prefix.begin() + last + 1;
        return std::min(last, static_cast<int>(std::lower_bound(begin, end, target) - m_prefix.begin()));
    }

private:
    void Touch(size_t from) { m_validPrefix = std::min(m_validPrefix, from); }
    // Sum of the entries before `index`; m_prefix[i] holds it for i <= m_validPrefix.
    std::int64_t Prefix(size_t index) const {
        if (index > m_validPrefix) {
            m_prefix.resize(m_sizes.size() + 1);
            m_prefix[0] = 0;
            for (size_t i = m_validPrefix; i < index; ++i) m_prefix[i + 1] = m_prefix[i] + m_sizes[i];
            m_validPrefix = index;
        }
        return m_prefix[index];
    }

    std::vector<UINT> m_sizes;
    std::int64_t m_total = 0;
    mutable std::vector<std::int64_t> m_prefix{0};
    mutable size_t m_validPrefix = 0;
};
