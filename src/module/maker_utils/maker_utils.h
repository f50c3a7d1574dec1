#pragma once
// The maker's utility functions the module calls: SQL dialect adaptation, SQL
// date literals, key-list conditions, text and number helpers and the
// fixed-layout file exporter.

#include "module/maker_utils/compat_banco.h"
#include "module/maker_utils/date_utils.h"
#include "module/maker_utils/export_file.h"
#include "module/maker_utils/number_utils.h"
#include "module/maker_utils/sql_conditions.h"
#include "module/maker_utils/sql_literals.h"
#include "module/maker_utils/text_utils.h"
