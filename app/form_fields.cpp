#include "form_fields.h"

#include "windlass/windlass.h"

namespace heatwise {
namespace {

class ToolkitFields final : public FormFields {
  public:
    void GetMenu1(int field, int& entry) override { WDialogGetMenu1(field, entry); }
    void GetRadioButton(int first_button, int& position) override {
        WDialogGetRadioButton(first_button, position);
    }
    void GetInteger(int field, int& value) override { WDialogGetInteger(field, value); }
    void GetReal(int field, float& value) override { WDialogGetReal(field, value); }
    void PutInteger(int field, int value) override { WDialogPutInteger(field, value); }
};

}  // namespace

FormFields& ToolkitFormFields() {
    static ToolkitFields fields;
    return fields;
}

}  // namespace heatwise
