#pragma once

// The rules by which an order item's fields become label text, shared by the ZPL and DPL
// layouts: text slots, code lines and bar code data, prices, sizes, copies, the order
// summary line and the settings in the header commands.
#include "labels/CodeRules.h"
#include "labels/CopyRules.h"
#include "labels/HeaderRules.h"
#include "labels/PriceRules.h"
#include "labels/SizeRules.h"
#include "labels/SummaryRules.h"
#include "labels/TextRules.h"
