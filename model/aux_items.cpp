// The three auxiliary scene items: only reset, copied and destroyed.
#include "model/aux_items.h"

#include "model/owned_text.h"
#include "model/record_storage.h"

namespace {

// Shared part of the three items: header, name, transform and keys.
template <class Item>
void resetCommon(Item& item) {
    releaseText(item.name);
    record_storage::release(item.keys);
    item.keyCount = item.keyCapacity = 0;
    item.userData = 0;
    item.flags = 0;
    item.remap = -1;
    item.transform.reset();
}

template <class Item>
void copyCommonTail(Item& item, const Item& other) {
    item.transform.copyFrom(other.transform);
    if (!item.resizeKeys(other.keyCapacity)) return;
    item.keyCount = other.keyCount;
    for (int i = 0; i < item.keyCount; ++i) item.keys[i].copyFrom(other.keys[i]);
}

template <class Item>
void copyHeaderAndName(Item& item, const Item& other) {
    item.userData = other.userData;
    item.flags = other.flags;
    item.remap = other.remap;
    replaceText(item.name, other.name);
}

}  // namespace

AuxItemA::~AuxItemA() {
    releaseText(name);
    record_storage::release(keys);
}

void AuxItemA::reset() {
    resetCommon(*this);
    angle = 0.5235988f;
    value = 8.0f;
}

void AuxItemA::setName(const char* text) { replaceText(name, text); }

bool AuxItemA::resizeKeys(int n) { return record_storage::resize(keys, keyCount, keyCapacity, n); }

void AuxItemA::copyFrom(const AuxItemA& other) {
    if (&other == this) return;
    reset();
    copyHeaderAndName(*this, other);
    angle = other.angle;
    value = other.value;
    copyCommonTail(*this, other);
}

AuxItemB::~AuxItemB() {
    releaseText(name);
    record_storage::release(keys);
}

void AuxItemB::reset() { resetCommon(*this); }

void AuxItemB::setName(const char* text) { replaceText(name, text); }

bool AuxItemB::resizeKeys(int n) { return record_storage::resize(keys, keyCount, keyCapacity, n); }

void AuxItemB::copyFrom(const AuxItemB& other) {
    if (&other == this) return;
    reset();
    copyHeaderAndName(*this, other);
    copyCommonTail(*this, other);
}

AuxItemC::~AuxItemC() {
    releaseText(name);
    record_storage::release(keys);
}

void AuxItemC::reset() {
    resetCommon(*this);
    target = -1;
    kind = 0;
    for (int& v : paramInts1) v = 0;
    for (float& v : paramFloats1) v = 0.0f;
    for (int& v : paramInts2) v = 0;
    for (float& v : paramFloats2) v = 0.0f;
    for (int& v : extraInts) v = 0;
    extraFloat = 0.0f;
    for (Vec3& v : vectors) v.clear();
}

void AuxItemC::setName(const char* text) { replaceText(name, text); }

bool AuxItemC::resizeKeys(int n) { return record_storage::resize(keys, keyCount, keyCapacity, n); }

void AuxItemC::copyFrom(const AuxItemC& other) {
    if (&other == this) return;
    reset();
    copyHeaderAndName(*this, other);
    target = other.target;
    kind = other.kind;
    for (int i = 0; i < 7; ++i) paramInts1[i] = other.paramInts1[i];
    for (int i = 0; i < 3; ++i) paramFloats1[i] = other.paramFloats1[i];
    for (int i = 0; i < 4; ++i) paramInts2[i] = other.paramInts2[i];
    for (int i = 0; i < 2; ++i) paramFloats2[i] = other.paramFloats2[i];
    for (int i = 0; i < 2; ++i) extraInts[i] = other.extraInts[i];
    extraFloat = other.extraFloat;
    for (int i = 0; i < 4; ++i) vectors[i] = other.vectors[i];
    copyCommonTail(*this, other);
}
