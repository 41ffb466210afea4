#include "print_fixture.h"
