// CArray and CStringArray: growable arrays whose every index is checked. An index outside the
// array throws CInvalidArgException instead of reading or writing past the storage.
#pragma once

#include <utility>
#include <vector>

#include "platform/Exceptions.h"
#include "platform/String.h"
#include "platform/Types.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
  public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() = default;

    INT_PTR GetSize() const noexcept { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const noexcept { return GetSize(); }
    bool IsEmpty() const noexcept { return m_data.empty(); }

    // Sets the number of elements; new elements are default-constructed. Growing keeps room for
    // geometric growth, so appending one at a time stays amortised constant.
    void SetSize(INT_PTR nNewSize) {
        if (nNewSize < 0)
            throw CInvalidArgException();
        m_data.resize(static_cast<std::size_t>(nNewSize));
    }
    // Reserves room for n elements without changing the size.
    void Reserve(INT_PTR n) {
        if (n > 0)
            m_data.reserve(static_cast<std::size_t>(n));
    }
    // Removes every element and releases the storage.
    void RemoveAll() noexcept { std::vector<TYPE>().swap(m_data); }

    const TYPE& GetAt(INT_PTR i) const { return m_data[Check(i)]; }
    TYPE& ElementAt(INT_PTR i) { return m_data[Check(i)]; }
    void SetAt(INT_PTR i, ARG_TYPE v) { m_data[Check(i)] = v; }
    const TYPE& operator[](INT_PTR i) const { return GetAt(i); }
    TYPE& operator[](INT_PTR i) { return ElementAt(i); }

    INT_PTR Add(ARG_TYPE v) {
        m_data.push_back(v);
        return GetSize() - 1;
    }
    INT_PTR Add(TYPE&& v) {
        m_data.push_back(std::move(v));
        return GetSize() - 1;
    }
    // Appends a default-constructed element and returns it.
    TYPE& AddNew() { return m_data.emplace_back(); }
    void RemoveAt(INT_PTR i, INT_PTR nCount = 1) {
        if (nCount < 0 || i < 0 || i > GetSize() || nCount > GetSize() - i) {
            throw CInvalidArgException();
        }
        m_data.erase(m_data.begin() + i, m_data.begin() + i + nCount);
    }

    // Unchecked bulk access for loops that have already bounded their indexes.
    const TYPE* GetData() const noexcept { return m_data.data(); }
    TYPE* GetData() noexcept { return m_data.data(); }
    auto begin() noexcept { return m_data.begin(); }
    auto end() noexcept { return m_data.end(); }
    auto begin() const noexcept { return m_data.begin(); }
    auto end() const noexcept { return m_data.end(); }

  private:
    std::size_t Check(INT_PTR i) const {
        if (i < 0 || i >= GetSize())
            throw CInvalidArgException();
        return static_cast<std::size_t>(i);
    }

    std::vector<TYPE> m_data;
};

class CStringArray : public CArray<CString, const CString&> {};
