// The dialogs of the Difference, Box - Cox and Subsequence commands.
#pragma once

#include "transform/box_cox_dialog.h"
#include "transform/difference_dialog.h"
#include "transform/subsequence_dialog.h"
