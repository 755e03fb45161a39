#include "TarinTranslator/options/CSet.h"

TARIN_OPTION_CLASS_IMPL(CSet, CSerial, TARIN_CSET_FIELDS);
TARIN_OPTION_CLASS_IMPL(CICallSet, CSet, TARIN_NO_FIELDS);
TARIN_OPTION_CLASS_IMPL(CPhoneSet, CSet, TARIN_NO_FIELDS);

int CSet::GetSize() const {
    return Elements_.GetSize();
}

CSerial* CSet::GetAt(int i) const {
    return Elements_.GetAt(i);
}

int CSet::Add(CSerial* element) {
    return Elements_.Add(element);
}

void CSet::DeleteAt(int i) {
    Elements_.RemoveAt(i);
}

int CSet::RemoveFirstEmpty(int i) {
    DeleteAt(i);
    return i;
}

int CSet::Validate() const {
    return 1;
}
