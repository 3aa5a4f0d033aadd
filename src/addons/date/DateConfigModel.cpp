#include "addons/date/DateConfigModel.h"

#include "addons/date/DateFormat.h"

namespace hw {

Text DateConfigModel::UserCaption(const LocalTime& t, DateNames& names) const {
    return u"User : " + FormatOrdinalDate(t, settings_.format, names);
}

Text DateConfigModel::MediumCaption(const LocalTime& t, DateNames& names) { return MediumDate(t, names); }

Text DateConfigModel::ShortCaption(const LocalTime& t, DateNames& names) { return names.ShortDate(t); }

}  // namespace hw
