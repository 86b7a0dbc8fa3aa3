// Entity interfaces of the meet document. Collections are snapshots of item pointers.
#pragma once

#include "lenex/model/qb_lenex_meet_intf.h"
#include "lenex/model/qb_lenex_record_list_intf.h"
#include "lenex/model/qb_lenex_time_standard_intf.h"
