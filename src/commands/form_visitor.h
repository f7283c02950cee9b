// Every dialog of the command layer, known at compile time: a front end
// shows a form by visiting it, and one that misses a form fails to build.
#pragma once

#include <type_traits>

#include "core/ui_port.h"

// The forms, each declared in the header of its commands.
#define TQ_FORMS(X)          \
  X(CreateObjectForm)        \
  X(ObjectChoiceForm)        \
  X(OperationForm)           \
  X(ComputeForm)             \
  X(FileNameForm)            \
  X(FunctionsForm)           \
  X(FunctionEditForm)        \
  X(ExecuteMenuForm)         \
  X(VariablesForm)           \
  X(CreateVariableForm)      \
  X(EditVariableForm)        \
  X(ProgramMessageForm)      \
  X(ProgramInputForm)        \
  X(SearchForm)              \
  X(IntegralForm)            \
  X(OutputOptionsForm)       \
  X(TTestOptionsForm)        \
  X(ChiSquareOptionsForm)    \
  X(RegressionOutputForm)    \
  X(UnitChooserForm)         \
  X(UnitConverterForm)       \
  X(ValueEditorForm)         \
  X(ChartChoiceForm)         \
  X(ChartParametersForm)     \
  X(ChartOptionsForm)        \
  X(DataTypeForm)            \
  X(SeriesForm)              \
  X(DrawingOptionsForm)

namespace tq {

#define TQ_DECLARE_FORM(F) struct F;
TQ_FORMS(TQ_DECLARE_FORM)
#undef TQ_DECLARE_FORM

class FormVisitor {
 public:
  virtual ~FormVisitor() = default;
#define TQ_VISIT_FORM(F) virtual void Visit(F& form) = 0;
  TQ_FORMS(TQ_VISIT_FORM)
#undef TQ_VISIT_FORM
};

namespace detail {
template <class T>
class FormFinder final : public FormVisitor {
 public:
#define TQ_FIND_FORM(F) \
  void Visit(F& form) override { \
    if constexpr (std::is_same_v<F, T>) found = &form; \
  }
  TQ_FORMS(TQ_FIND_FORM)
#undef TQ_FIND_FORM
  T* found = nullptr;
};
}  // namespace detail

// The form as a T, or nullptr when it is another form (for ports that answer
// forms from a script).
template <class T>
T* FormCast(Form& form) {
  detail::FormFinder<T> finder;
  form.Accept(finder);
  return finder.found;
}

}  // namespace tq
