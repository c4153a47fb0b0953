#pragma once
// The growable arrays that records keep their rows in. Indexes are checked: a wrong index
// throws std::out_of_range instead of reading foreign memory.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "CString.h"

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }

    void SetSize(int newSize) { m_items.resize(newSize > 0 ? static_cast<size_t>(newSize) : 0); }
    void RemoveAll() { m_items.clear(); }
    void FreeExtra() { m_items.shrink_to_fit(); }

    const TYPE& GetAt(int index) const { return m_items.at(Index(index)); }
    TYPE& ElementAt(int index) { return m_items.at(Index(index)); }
    void SetAt(int index, ARG_TYPE item) { m_items.at(Index(index)) = item; }
    const TYPE& operator[](int index) const { return GetAt(index); }
    TYPE& operator[](int index) { return ElementAt(index); }

    int Add(ARG_TYPE item) {
        m_items.push_back(item);
        return GetUpperBound();
    }
    // Sets the item at index, growing the array when the index is past its end.
    void SetAtGrow(int index, ARG_TYPE item) {
        if (index >= GetSize()) SetSize(index + 1);
        SetAt(index, item);
    }
    void InsertAt(int index, ARG_TYPE item, int count = 1) {
        if (index < 0) throw std::out_of_range("CArray::InsertAt");
        if (index > GetSize()) SetSize(index);
        m_items.insert(m_items.begin() + Index(index), static_cast<size_t>(count > 0 ? count : 0), item);
    }
    void RemoveAt(int index, int count = 1) {
        const size_t from = Index(index);
        if (from >= m_items.size() || count <= 0) return;
        const size_t to = std::min(m_items.size(), from + static_cast<size_t>(count));
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(from), m_items.begin() + static_cast<std::ptrdiff_t>(to));
    }
    int Append(const CArray& other) {
        const int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }

    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    friend bool operator==(const CArray& a, const CArray& b) { return a.m_items == b.m_items; }

private:
    static size_t Index(int index) { return index < 0 ? static_cast<size_t>(-1) : static_cast<size_t>(index); }
    std::vector<TYPE> m_items;
};

using CStringArray = CArray<CString, const CString&>;
using CDWordArray = CArray<DWORD, DWORD>;
using CUIntArray = CArray<UINT, UINT>;
// References to objects owned elsewhere: removing an entry never deletes what it points to.
using CPtrArray = CArray<void*, void*>;
