// A library that looks like a plug-in but answers the host wrongly: either it was built for
// another SDK interface, or it gives no class descriptor.
class ClassDesc;

extern "C" {

const char* LibDescription() { return "Faulty"; }
int LibNumberClasses() { return 1; }
ClassDesc* LibClassDesc(int) { return nullptr; }
#if FAULT_WRONG_VERSION
unsigned long LibVersion() { return (6000ul << 16) | (12ul << 8); }  // an older interface number
#else
unsigned long LibVersion() { return (6000ul << 16) | (13ul << 8); }
#endif

}  // extern "C"
