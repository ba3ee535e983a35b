#pragma once
// An open-addressing table of 64-bit keys to small numbers, for the import's millions of
// look-ups: one array probe per look-up where a node-based table costs several cache
// misses. A key may stand for several entries (hashes of different texts may meet); the
// caller's match tells them apart.

#include <QtGlobal>
#include <vector>

class FlatIndex {
public:
    void reserve(qsizetype count)
    {
        size_t size = 16;
        while (size < size_t(count) * 2)
            size *= 2;
        if (size > m_keys.size())
            rehash(size);
    }

    // The value of the first entry under key that match accepts, or -1.
    template <class Match>
    int find(quint64 key, Match match) const
    {
        if (m_keys.empty())
            return -1;
        key = stored(key);
        for (size_t i = key & m_mask;; i = (i + 1) & m_mask) {
            if (m_keys[i] == empty)
                return -1;
            if (m_keys[i] == key && match(m_values[i]))
                return m_values[i];
        }
    }
    bool contains(quint64 key) const
    {
        return find(key, [](int) { return true; }) >= 0;
    }

    void insert(quint64 key, int value)
    {
        if (size_t(m_count + 1) * 2 > m_keys.size())
            rehash(m_keys.empty() ? 16 : m_keys.size() * 2);
        place(stored(key), value);
        ++m_count;
    }

private:
    static constexpr quint64 empty = 0;
    // Spreads the bits over the table and keeps the empty mark free.
    static quint64 stored(quint64 key)
    {
        key ^= key >> 33;
        key *= 0xff51afd7ed558ccdULL;
        key ^= key >> 33;
        return key ? key : 1;
    }
    void place(quint64 key, int value)
    {
        size_t i = key & m_mask;
        while (m_keys[i] != empty)
            i = (i + 1) & m_mask;
        m_keys[i] = key;
        m_values[i] = value;
    }
    void rehash(size_t size)
    {
        std::vector<quint64> keys(size, empty);
        std::vector<int> values(size, -1);
        keys.swap(m_keys);
        values.swap(m_values);
        m_mask = size - 1;
        for (size_t i = 0; i < keys.size(); ++i)
            if (keys[i] != empty)
                place(keys[i], values[i]);
    }

    std::vector<quint64> m_keys;
    std::vector<int> m_values;
    size_t m_mask = 0;
    qsizetype m_count = 0;
};
