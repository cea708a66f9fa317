// Unit ZEB_replist: the report list. Its data store TRLData (replist/rldata.h), the visual
// TReportListView (replist/rlview.h) and the file formats both read and write
// (replist/rlformats.h).
#pragma once

#include "replist/rldata.h"
#include "replist/rlformats.h"
#include "replist/rlrowedit.h"
#include "replist/rlview.h"
