#include "tests/app/ViewerFixture.h"
