#include "floors/floor.h"

Floor floorArray[kFloorCount];
