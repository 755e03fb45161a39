#pragma once

#include "TarinTranslator/options/OptionClass.h"

// An ordered set of owned option objects (channels, calls, groups...). Copies are deep.
#define TARIN_CSET_FIELDS(X, C) X(C, IN, CSerialArray, Elements, )

class TARIN_API CSet : public CSerial {
    TARIN_OPTION_CLASS(CSet, CSerial, TARIN_CSET_FIELDS);

  public:
    int GetSize() const;
    // Element i, or null when i is out of range.
    CSerial* GetAt(int i) const;
    // Appends `element`, taking ownership of it, and returns its index.
    int Add(CSerial* element);
    // Destroys and removes element i; an index out of range changes nothing.
    virtual void DeleteAt(int i);
    // Removes element i through DeleteAt and returns i.
    int RemoveFirstEmpty(int i);
    // A set is always valid: returns 1.
    int Validate() const;
};

// The set of individual calls; shares CSet::Validate.
class TARIN_API CICallSet : public CSet {
    TARIN_OPTION_CLASS(CICallSet, CSet, TARIN_NO_FIELDS);
};

// The set of phone calls; shares CSet::Validate.
class TARIN_API CPhoneSet : public CSet {
    TARIN_OPTION_CLASS(CPhoneSet, CSet, TARIN_NO_FIELDS);
};
