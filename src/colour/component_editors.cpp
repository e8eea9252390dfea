#include "colour/component_value.h"
#include "platform/conversions.h"
#include "window/form1.h"

namespace tintavo {

int Form1::ComponentValue(int index) const {
    // A box whose text is not a valid component yet (emptied, half typed) keeps the last
    // valid value, which is where its scroll bar stands.
    return ComponentValueOf(Text1[index].Text()).value_or(HScroll1[index].Value());
}

void Form1::RepaintSwatch() { Picture2.SetBackColor(Rgb(ComponentValue(0), ComponentValue(1), ComponentValue(2))); }

void Form1::Text1_Change(int Index) {
    if (const auto value = ComponentValueOf(Text1[Index].Text())) HScroll1[Index].SetValue(*value);
    RepaintSwatch();
}

void Form1::HScroll1_Change(int Index) {
    Text1[Index].SetText(IntegerToText(HScroll1[Index].Value()));
    RepaintSwatch();
    ChangeH();
}

}  // namespace tintavo
