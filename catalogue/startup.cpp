#include "catalogue/startup.h"

#include "catalogue/catalogues.h"

namespace kasnak {

EventTable WindowEvents() {
  EventTable events;
  events.Form_Load = Form_Load;
  events.click[IndexOf(Ctl::Command3)] = Command3_Click;
  return events;
}

std::unique_ptr<Form1> StartUp() {
  auto form = std::make_unique<Form1>(WindowEvents());
  form->Load();
  return form;
}

void Form_Load(Form1& form) {
  for (std::string_view power : kMotorPowerCatalogue) form.AddItem(Ctl::Combo1, std::string(power));
  form.SetText(Ctl::Combo1, "");
  for (std::string_view diameter : kPulleyDiameterCatalogue) form.AddItem(Ctl::Combo2, std::string(diameter));
  form.SetText(Ctl::Combo2, "");
  for (std::string_view diameter : kPulleyDiameterCatalogue) form.AddItem(Ctl::Combo3, std::string(diameter));
  form.SetText(Ctl::Combo3, "");
  form.drive.piValue = Real(3.1415927);
}

void Command3_Click(Form1& form) { form.End(); }

}  // namespace kasnak
