#include "listview_fixture.h"
