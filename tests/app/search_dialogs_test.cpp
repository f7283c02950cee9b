// The search, integral and output options dialogs, filled as a user fills
// them.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_test.h"
#include "app/dialog_input.h"
#include "core/object_list.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;



// Types a new body into the open "Edit function" dialog (and a name when
// creating).
void FillFunction(QWidget* edit, const QString& name, const QString& body) {
  if (!name.isEmpty()) TypeInto(edit, "Function name", name);
  auto* text = edit->findChild<QPlainTextEdit*>();
  text->selectAll();
  QTest::keyClick(text, Qt::Key_Delete);
  QTest::keyClicks(text, body);
}

class SearchDialogsTest : public AppTest {
 protected:
  // Answers the message box shown before a dialog, then acts on the dialog.
  void AnswerMessageThen(std::function<void(QWidget*)> next) {
    OnNextModal([this, next](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) {
        ADD_FAILURE() << "expected a message box";
        modal->close();
        return;
      }
      messages << box->text();
      OnNextModal(next);
      box->button(QMessageBox::Ok)->click();
    });
  }
};

// Find roots: a number field with text refused, the limits checked, New and
// Edit select the function, then the output options and the search.
TEST_F(SearchDialogsTest, FindRootsRefusesThenSearchesWithTheNewFunction) {
  AnswerMessageThen([this](QWidget* search) {
    EXPECT_EQ(search->windowTitle(), "Find roots");
    EXPECT_EQ(ButtonTexts(search), (QStringList{"OK", "Cancel", "New", "Edit"}));
    EXPECT_EQ(Control<QLineEdit>(search, "Lower limit of interval A")->text(), "-100");
    EXPECT_EQ(Control<QLineEdit>(search, "Error tolerance")->text(), "1e-12");
    EXPECT_EQ(Control<QLineEdit>(search, "Number of initial intervals")->text(), "1000");
    Shot(search, "find_roots");
    OnNextModal([](QWidget* edit) {
      FillFunction(edit, "lin", "x-2");
      Click(edit, "OK");
    });
    Click(search, "New");
    auto* function = Control<QComboBox>(search, "Function f(x)");
    EXPECT_EQ(function->currentText(), "lin");
    OnNextModal([](QWidget* edit) {
      FillFunction(edit, "", "x-3");
      Click(edit, "OK");
    });
    Click(search, "Edit");
    EXPECT_EQ(function->currentText(), "lin");
    AnswerMessage();
    TypeInto(search, "Lower limit of interval A", "");
    Click(search, "OK");
    AnswerMessage();
    TypeInto(search, "Lower limit of interval A", "10");
    TypeInto(search, "Upper limit of interval B", "5");
    Click(search, "OK");
    TypeInto(search, "Lower limit of interval A", "0");
    TypeInto(search, "Upper limit of interval B", "10");
    TypeInto(search, "Number of initial intervals", "7");
    OnNextModal([](QWidget* options) {
      EXPECT_EQ(options->windowTitle(), "Output options");
      EXPECT_EQ(Control<QComboBox>(options, "Select name for vector of roots R")->currentText(),
                "vector_roots");
      Click(options, "OK");
    });
    Click(search, "OK");
  });
  Run(C::kNumericalRoots);
  EXPECT_EQ(messages,
            (QStringList{"Warning: \nThere are no functions in the list.\nYou must create new "
                         "function f(x).",
                         "Please enter a number in Lower limit of interval A.",
                         "Error:\nValue of upper limit of interval must be  greater than value of "
                         "lower limit."}));
  auto* roots = FindObjectAs<VectorObject>("vector_roots", OBJMASK_VECTOR);
  ASSERT_NE(roots, nullptr);
  EXPECT_NEAR(roots->at(1), 3.0, 1e-9);
  EXPECT_NE(Output().find("1 root found\r\n"), std::string::npos);
}

// Output options: unticking disables both lists and their labels; an empty
// name is refused with the box ticked.
TEST_F(SearchDialogsTest, OutputOptionsRefuseAnEmptyNameAndFollowTheBox) {
  AddFunction("para", "(x-1)*(x-1)");
  OnNextModal([this](QWidget* search) {
    EXPECT_EQ(search->windowTitle(), "Find Minimums");
    TypeInto(search, "Lower limit of interval A", "-5");
    TypeInto(search, "Upper limit of interval B", "5");
    OnNextModal([this](QWidget* options) {
      auto* save = options->findChild<QCheckBox*>();
      EXPECT_EQ(save->text(), "Save roots and function values in the output vectors");
      EXPECT_TRUE(save->isChecked());
      auto* points = Control<QComboBox>(options, "Select name for vector of roots R");
      auto* values = Control<QComboBox>(options, "Select name for vector of function values f(R)");
      EXPECT_EQ(values->currentText(), "vector_f_min");
      Shot(options, "output_options");
      points->lineEdit()->clear();
      AnswerMessage();
      Click(options, "OK");
      QTest::mouseClick(save, Qt::LeftButton);
      EXPECT_FALSE(points->isEnabled());
      EXPECT_FALSE(values->isEnabled());
      QTest::mouseClick(save, Qt::LeftButton);
      EXPECT_TRUE(values->isEnabled());
      QTest::keyClicks(points->lineEdit(), "low");
      Click(options, "OK");
    });
    Click(search, "OK");
  });
  Run(C::kNumericalMinimums);
  EXPECT_EQ(messages,
            QStringList{"Error:\nInvalid roots vector name.\nPlease enter valid vector name."});
  auto* low = FindObjectAs<VectorObject>("low", OBJMASK_VECTOR);
  ASSERT_NE(low, nullptr);
  EXPECT_NEAR(low->at(1), 1.0, 1e-6);
}

// Calculate integral: the tolerance refused, New selects the function, then
// the integral is reported.
TEST_F(SearchDialogsTest, IntegralRefusesASmallToleranceThenIntegrates) {
  AddFunction("a", "x");
  OnNextModal([this](QWidget* integral) {
    EXPECT_EQ(integral->windowTitle(), "Calculate integral");
    EXPECT_EQ(ButtonTexts(integral), (QStringList{"OK", "Cancel", "New", "Edit"}));
    EXPECT_EQ(Control<QLineEdit>(integral, "Maximum absolute error tolerance")->text(), "1e-20");
    EXPECT_EQ(Control<QLineEdit>(integral, "Maximum relative error tolerance")->text(), "1e-10");
    Shot(integral, "calculate_integral");
    OnNextModal([](QWidget* edit) {
      FillFunction(edit, "sq", "x*x");
      Click(edit, "OK");
    });
    Click(integral, "New");
    EXPECT_EQ(Entries(Control<QComboBox>(integral, "Function f(x)")), (QStringList{"a", "sq"}));
    EXPECT_EQ(Control<QComboBox>(integral, "Function f(x)")->currentText(), "sq");
    TypeInto(integral, "Lower limit A", "0");
    TypeInto(integral, "Upper limit B", "3");
    TypeInto(integral, "Maximum absolute error tolerance", "1e-101");
    AnswerMessage();
    Click(integral, "OK");
    TypeInto(integral, "Maximum absolute error tolerance", "1e-20");
    Click(integral, "OK");
  });
  Run(C::kNumericalIntegral);
  EXPECT_EQ(messages, QStringList{"Error:\nError tolerance must be greater than 1.E-100"});
  EXPECT_NE(Output().find("on the interval from 0 to 3\r\nintegral = 9\r\n"), std::string::npos);
}

// OK hands over to the output options with the search dialog out of sight;
// their Cancel brings back the same dialog with the entries just typed.
TEST_F(SearchDialogsTest, SearchDialogHiddenUnderOutputOptionsThenBackWithItsEntries) {
  AddFunction("lin", "x-2");
  QWidget* first = nullptr;
  OnNextModal([this, &first](QWidget* search) {
    first = search;
    TypeInto(search, "Lower limit of interval A", "-7.5");
    TypeInto(search, "Number of initial intervals", "50");
    OnNextModal([this, &first](QWidget* options) {
      EXPECT_EQ(options->windowTitle(), "Output options");
      EXPECT_FALSE(first->isVisible());
      OnNextModal([&first](QWidget* again) {
        EXPECT_EQ(again, first);
        EXPECT_TRUE(again->isVisible());
        EXPECT_EQ(Control<QLineEdit>(again, "Lower limit of interval A")->text(), "-7.5");
        EXPECT_EQ(Control<QLineEdit>(again, "Number of initial intervals")->text(), "50");
        Click(again, "Cancel");
      });
      Click(options, "Cancel");
    });
    Click(search, "OK");
  });
  Run(C::kNumericalMaximums);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(Output(), "");
}

// The entry checks refuse with the integral dialog in sight; a refused
// function is shown with it out of sight, and it comes back as typed.
TEST_F(SearchDialogsTest, IntegralDialogHiddenWhileItsFunctionIsRefused) {
  AddFunction("c", "2*3");
  QWidget* first = nullptr;
  OnNextModal([this, &first](QWidget* integral) {
    first = integral;
    TypeInto(integral, "Upper limit B", "-200");
    OnNextModal([this, integral](QWidget* box) {
      EXPECT_TRUE(integral->isVisible());
      messages << qobject_cast<QMessageBox*>(box)->text();
      Click(box, "OK");
    });
    Click(integral, "OK");
    TypeInto(integral, "Upper limit B", "2.5");
    OnNextModal([this, &first](QWidget* box) {
      EXPECT_FALSE(first->isVisible());
      messages << qobject_cast<QMessageBox*>(box)->text();
      OnNextModal([](QWidget* again) {
        EXPECT_TRUE(again->isVisible());
        EXPECT_EQ(Control<QLineEdit>(again, "Upper limit B")->text(), "2.5");
        Click(again, "Cancel");
      });
      Click(box, "OK");
    });
    Click(integral, "OK");
  });
  Run(C::kNumericalIntegral);
  EXPECT_EQ(messages,
            (QStringList{"Error:\nValue of upper limit of interval must be  greater than value of "
                         "lower limit.",
                         "Incorrect function argument:\nFunction c(x) must depend on variable "
                         "x.\nPlease correct error and try again."}));
  EXPECT_EQ(Output(), "");
}

}  // namespace
}  // namespace tq::app::testing
