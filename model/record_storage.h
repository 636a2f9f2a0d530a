// Storage of the model's owned record arrays.
//
// An array is exposed as a pointer, a count and a capacity; entries at and beyond the count are
// default records. The raw storage behind the pointer may hold more default records than the
// exposed capacity: growth reserves geometrically so that adding one entry at a time stays
// amortised constant even though the exposed capacity grows in fixed steps. The number of records
// actually constructed is kept in a small header in front of the first record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

namespace record_storage {

struct Header {
    std::size_t constructed;
};
constexpr std::size_t headerBytes = alignof(std::max_align_t) > sizeof(Header) ? alignof(std::max_align_t)
                                                                             : sizeof(Header);

template <class T>
Header* headerOf(T* items) {
    return reinterpret_cast<Header*>(reinterpret_cast<char*>(items) - headerBytes);
}

// Records constructed in the storage of items (0 for null).
template <class T>
std::size_t storageSize(T* items) {
    return items ? headerOf(items)->constructed : 0;
}

// n default-constructed records, or null when n is 0 or the allocation fails.
template <class T>
T* allocate(std::size_t n) {
    static_assert(alignof(T) <= headerBytes, "record alignment exceeds the storage header");
    if (n == 0 || n > (SIZE_MAX - headerBytes) / sizeof(T)) return nullptr;
    void* raw = ::operator new(headerBytes + n * sizeof(T), std::nothrow);
    if (!raw) return nullptr;
    static_cast<Header*>(raw)->constructed = n;
    T* items = reinterpret_cast<T*>(static_cast<char*>(raw) + headerBytes);
    for (std::size_t i = 0; i < n; ++i) new (items + i) T();
    return items;
}

// Destroys every record of the storage and frees it; items becomes null.
template <class T>
void release(T*& items) {
    if (!items) return;
    const std::size_t n = headerOf(items)->constructed;
    for (std::size_t i = 0; i < n; ++i) items[i].~T();
    ::operator delete(static_cast<void*>(headerOf(items)));
    items = nullptr;
}

// Turns one record back into a default record.
template <class T>
void restoreDefault(T& item) {
    item.~T();
    new (&item) T();
}

// Moves a record into another slot of the same kind: dst takes every value of src. The generic
// form is the record's deep copy; the heavy records have cheaper overloads that take over src's
// owned storage (record_relocation.h), which their owners pass to resize and add.
template <class T>
void relocate(T& dst, T& src) {
    dst.copyFrom(src);
}

// Sets the exposed capacity of an array to n (raised to count first). false, with nothing
// changed, when storage cannot be allocated. Entries 0..count-1 keep their values; every entry
// from count up to the new capacity is a default record afterwards.
template <class T, class Relocate>
bool resize(T*& items, int count, int& capacity, int n, Relocate relocateRecord) {
    if (count < 0) count = 0;
    if (n < count) n = count;
    if (n <= 0) {
        release(items);
        capacity = 0;
        return true;
    }
    const std::size_t wanted = static_cast<std::size_t>(n);
    const std::size_t storage = storageSize(items);
    // Keep the storage while it is big enough and not mostly unused.
    if (items && wanted <= storage && wanted >= storage / 2) {
        for (int i = count; i < capacity; ++i) restoreDefault(items[i]);
        capacity = n;
        return true;
    }
    std::size_t reserve = wanted;
    // Growth reserves half as much again as before, so that repeated small steps stay cheap.
    if (wanted > storage && storage > 0 && storage + storage / 2 > wanted) reserve = storage + storage / 2;
    T* fresh = allocate<T>(reserve);
    if (!fresh && reserve != wanted) fresh = allocate<T>(wanted);
    if (!fresh) return false;
    for (int i = 0; i < count; ++i) relocateRecord(fresh[i], items[i]);
    release(items);
    items = fresh;
    capacity = n;
    return true;
}

template <class T>
bool resize(T*& items, int count, int& capacity, int n) {
    return resize(items, count, capacity, n, [](T& dst, T& src) { relocate(dst, src); });
}

// Appends one entry, growing the exposed capacity by `step` when it is full. The new index, or -1
// when the storage cannot grow.
template <class T, class Relocate>
int add(T*& items, int& count, int& capacity, int step, Relocate relocateRecord) {
    if (count >= capacity) {
        if (!resize(items, count, capacity, capacity + step, relocateRecord)) return -1;
    }
    return count++;
}

// Compaction index assignment over an array of records with `flags` and `remap`:
// survivors are numbered 0, 1, ... in index order, then every removed entry that names a
// replacement receives the final index of that replacement. Redirect chains are followed to the
// surviving entry they end at; a chain that leaves the array or loops gives -1.
template <class T>
void assignRemaps(T* items, int count, unsigned deletedFlag) {
    int next = 0;
    for (int i = 0; i < count; ++i)
        if (!(items[i].flags & deletedFlag)) items[i].remap = next++;
    for (int i = 0; i < count; ++i) {
        if (!(items[i].flags & deletedFlag)) continue;
        int target = items[i].remap;
        for (int steps = 0; target != -1; ++steps) {
            if (target < 0 || target >= count || steps > count) {
                target = -1;
                break;
            }
            const T& named = items[target];
            if (!(named.flags & deletedFlag) || target < i) {
                // A survivor holds its new index; an earlier removed entry is already resolved.
                target = named.remap;
                break;
            }
            target = named.remap;  // later removed entry: follow its own redirect
        }
        items[i].remap = target;
    }
}

// New index of the entry that `index` names, -1 when it names nothing valid.
template <class T>
int remapped(const T* items, int count, int index) {
    if (index < 0 || index >= count) return -1;
    return items[index].remap;
}

// Moves the entries not flagged deleted down in index order and returns how many survive.
template <class T, class Relocate>
int moveSurvivors(T* items, int count, unsigned deletedFlag, Relocate relocateRecord) {
    int j = 0;
    for (int i = 0; i < count; ++i) {
        if (items[i].flags & deletedFlag) continue;
        if (i != j) relocateRecord(items[j], items[i]);
        ++j;
    }
    return j;
}

}  // namespace record_storage
