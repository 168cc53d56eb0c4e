// The main form's fields as a recalculation pass reads and writes them.
#pragma once

namespace heatwise {

// The typed field reads and writes a recalculation pass makes on the main form. The program
// uses the toolkit's field procedures on its current dialog (ToolkitFormFields); a test puts a
// form of its own in their place to see every read and write in the order they are made.
//
// A read leaves its variable as it was when the field cannot be read at all (no such field,
// no form), exactly as the toolkit's procedures do.
class FormFields {
  public:
    virtual ~FormFields() = default;

    // The 1-based entry selected in a list.
    virtual void GetMenu1(int field, int& entry) = 0;
    // The 1-based position of the selected button of the radio group that starts at
    // `first_button`; -999 when none is selected.
    virtual void GetRadioButton(int first_button, int& position) = 0;
    // A field's number; -999 (-999.0) when the field holds no valid number.
    virtual void GetInteger(int field, int& value) = 0;
    virtual void GetReal(int field, float& value) = 0;
    virtual void PutInteger(int field, int value) = 0;
};

// The toolkit's field procedures, acting on the form that is the current dialog.
FormFields& ToolkitFormFields();

}  // namespace heatwise
