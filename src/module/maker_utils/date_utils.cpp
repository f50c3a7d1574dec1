#include "module/maker_utils/date_utils.h"

#include "platform/format/convert.h"

namespace veiculo::maker {

platform::TDateTime UltimoDia(const std::string& local_date) {
  return platform::LastDayOfMonth(platform::StrToDate(local_date));
}

}  // namespace veiculo::maker
