#include "tool/person_lookup.h"

#include "core/store/store.h"

#include <limits>

namespace sarvo::tool {

PersonLookup lookUpPerson(const Args& args) {
    PersonLookup lookup;
    lookup.number = args.integer(QStringLiteral("person"));
    if (lookup.number <= 0 || lookup.number > std::numeric_limits<std::int32_t>::max())
        return lookup;
    lookup.userNo = static_cast<std::int32_t>(lookup.number);
    Store reader(args.dir().toStdString(), true);
    lookup.index = reader.findUserIndex(lookup.userNo);
    return lookup;
}

int PersonLookup::notFound() const {
    out().flush();
    err() << QStringLiteral("no person with the number %1").arg(number) << "\n";
    err().flush();
    return 1;
}

} // namespace sarvo::tool
