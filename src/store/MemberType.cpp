#include "store/MemberType.h"

MemberCategory CategoryOfType(const QString& memberType) {
    if (memberType == kTypeString) {
        return MemberCategory::String;
    }
    if (memberType == kTypeInteger) {
        return MemberCategory::Integer;
    }
    if (memberType == kTypeFloat) {
        return MemberCategory::Float;
    }
    if (memberType == kTypeDate) {
        return MemberCategory::Date;
    }
    if (memberType == kTypeImage) {
        return MemberCategory::Image;
    }
    return MemberCategory::Reference;
}
