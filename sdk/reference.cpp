#include "sdk/reference.h"

void ReferenceMaker::DeleteMe() {
    if (holders_ == 0) delete this;
}
