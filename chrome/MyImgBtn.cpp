// SPDX-License-Identifier: MIT
#include "MyImgBtn.h"
