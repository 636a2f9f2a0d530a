// Base of every host object: class identity, and the reference counting that decides when the
// host frees an object.
//
// Ownership: an object is alive while something in the host holds it (a node holds its object
// and material, a multi-material its sub-materials, a standard material its maps). When the last
// holder lets go, the object is freed. An object nobody holds belongs to whoever made it and is
// released with DeleteMe.
#pragma once

#include "sdk/max_types.h"

class Animatable {
public:
    virtual ~Animatable() = default;
    virtual Class_ID ClassID() = 0;
    virtual SClass_ID SuperClassID() = 0;
};

class ReferenceMaker : public Animatable {
public:
    // Releases an object that nothing in the host holds. A held object stays with its holders,
    // which free it when they let go.
    void DeleteMe();

protected:
    int holders_ = 0;
    friend class HolderAccess;
};

class ReferenceTarget : public ReferenceMaker {
public:
    int HolderCount() const { return holders_; }
};

// The counting behind RefHolder.
class HolderAccess {
public:
    static void hold(ReferenceMaker* p) { ++p->holders_; }
    static void release(ReferenceMaker* p) {
        if (--p->holders_ == 0) delete p;
    }
};

// Holds one host object for as long as the holder lives (a counted reference).
template <class T>
class RefHolder {
public:
    RefHolder() = default;
    RefHolder(const RefHolder&) = delete;
    RefHolder& operator=(const RefHolder&) = delete;
    ~RefHolder() { reset(nullptr); }

    void reset(T* p) {
        if (p == ptr_) return;
        if (p) HolderAccess::hold(p);
        T* old = ptr_;
        ptr_ = p;
        if (old) HolderAccess::release(old);
    }
    T* get() const { return ptr_; }

private:
    T* ptr_ = nullptr;
};
