// The statistics dialogs and their options, opened from the Stat menu and
// filled as a user does.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "app/app_test.h"
#include "app/dialog_controls.h"
#include "stats/significance_tests.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

const QString kTTestChoices[3] = {
    "Two distributions are assumed to have equal true variance",
    "The distributions have different true variances",
    "Two distributions contain paired samples. Samples are stored in the same order and vectors "
    "contain equal number of samples."};
const QString kChiSquareChoices[2] = {
    "One array contains observed distribution and another contains distribution expected by "
    "some known model",
    "Two arrays contain observed distributions"};

QString OutputLabel(const QString& statistic) {
  return "Output vector will contain values \n" + statistic +
         " and significance.\nPlease enter new vector name or \nselect one of the existing "
         "objects from the drop-down list.";
}


// Clicks the text of a radio button, as a user picks a choice.
void ClickChoiceText(QWidget* dialog, const QString& text) {
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->text() == text) {
      QTest::mouseClick(label, Qt::LeftButton);
      return;
    }
  }
  ADD_FAILURE() << "no choice \"" << text.toStdString() << "\"";
}

class StatisticsDialogsTest : public AppTest {
 protected:
  void Menu(ShellCommand command) { window->Action(command)->trigger(); }
  // Fills a test dialog's lists.
  static void FillTest(QWidget* dialog, const QString& first, const QString& second,
                       const QString& statistic, const QString& output) {
    Pick(Control<QComboBox>(dialog, "Select first distribution vector"), first);
    Pick(Control<QComboBox>(dialog, "Select second distribution vector"), second);
    TypeInto(Control<QComboBox>(dialog, OutputLabel(statistic)), output);
  }
};

TEST_F(StatisticsDialogsTest, MomentsShowsItsTextRefusesABadNameThenReports) {
  PutVector("d", {1, 2, 3, 4});
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Moments of distribution");
    EXPECT_TRUE(LabelTexts(dialog).contains(
        "Output vector will contain moments of distribution:\nmean, average deviation, "
        "\nstandard deviation, variance, \nskewness (third moment), \nkurtosis (fourth "
        "moment)."));
    EXPECT_EQ(Control<QComboBox>(dialog, "Select vector with input data")->currentText(),
              "d  vector (4)");
    auto* output = Control<QComboBox>(
        dialog,
        "Please enter output vector name \nor select one of the existing objects from the "
        "drop-down list.");
    TypeInto(output, "if");
    AnswerMessage();
    Click(dialog, "Moments");
    TypeInto(output, "m");
    Click(dialog, "Moments");
  });
  Menu(C::kStatMoments);
  EXPECT_EQ(messages, QStringList{"Error: new variable name is reserved keyword \n<if>\nPlease "
                                  "choose another name."});
  EXPECT_EQ(Output(),
            "Moments of distribution calculated.\r\nInput data vector <d>\r\noutput stored in new "
            "vector <m>\r\n"
            "mean (average) = 2.5\r\n"
            "average deviation = 1\r\n"
            "standard deviation = 1.29099\r\n"
            "variance = 1.66667\r\n"
            "skewness (third moment)  = 0\r\n"
            "kurtosis (fourth moment) = -2.0775\r\n");
}

TEST_F(StatisticsDialogsTest, TTestOptionsOpenOverTheTestDialogAndCancelKeepsItOpen) {
  PutVector("a", {1, 2, 3, 4});
  PutVector("b", {2, 3, 4, 5});
  int optionsShown = 0;
  OnNextModal([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Student's t-test");
    FillTest(dialog, "a  vector (4)", "b  vector (4)", "Student's t", "t");
    OnNextModal([&, dialog](QWidget* options) {
      ++optionsShown;
      EXPECT_EQ(options->windowTitle(), "Student's t-test options");
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_TRUE(Control<QRadioButton>(options, kTTestChoices[0])->isChecked());
      Control<QRadioButton>(options, kTTestChoices[2]);
      Click(options, "Cancel");
    });
    Click(dialog, "t-test");
    EXPECT_EQ(Output(), "");  // nothing computed, the test dialog still open
    EXPECT_TRUE(dialog->isVisible());
    OnNextModal([&](QWidget* options) {
      ++optionsShown;
      ClickChoiceText(options, kTTestChoices[1]);
      EXPECT_TRUE(Control<QRadioButton>(options, kTTestChoices[1])->isChecked());
      Click(options, "OK");
    });
    Click(dialog, "t-test");
  });
  Menu(C::kStatTTest);
  EXPECT_EQ(optionsShown, 2);
  EXPECT_EQ(Output(),
            "Students t-test for sigificance\r\nof means difference\r\ninput vectors a and "
            "b\r\noutput stored in new vector <t>\r\n"
            "Two distributions are assumed \r\nto have different true variances.\r\n"
            "Student's t = -1.09545\r\n"
            "significance  (P, two-tail)= 0.315334\r\n"
            "Significance is a probability that two \r\ndistributions have equal means.\r\n"
            "Small value, lesser than approximately 0.025\r\nindicates sigificant difference of "
            "means.\r\n");
}

TEST_F(StatisticsDialogsTest, FTestRefusesAMissingOutputNameThenReports) {
  PutVector("a", {-2, 0, 0, 0, 2});
  PutVector("b", {-4, 0, 0, 0, 4});
  OnNextModal([this](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "F-test for different variances");
    FillTest(dialog, "a  vector (5)", "b  vector (5)", "F", "");
    AnswerMessage();
    Click(dialog, "F-test");
    TypeInto(Control<QComboBox>(dialog, OutputLabel("F")), "f");
    Click(dialog, "F-test");
  });
  Menu(C::kStatFTest);
  EXPECT_EQ(messages, QStringList{"Error:\nInvalid output vector name.\nPlease select or enter "
                                  "valid name."});
  EXPECT_EQ(Output(),
            "F-test for sigificance\r\nof variance difference\r\ninput vectors a and b\r\noutput "
            "stored in new vector <f>\r\n"
            "F = 4\r\n"
            "significance  (P, two-tail)= 0.208\r\n"
            "Significance is a probability that two \r\ndistributions have equal variances.\r\n"
            "Small value, lesser than approximately 0.05\r\nindicates sigificant difference of "
            "variances.\r\n");
}

TEST_F(StatisticsDialogsTest, ChiSquareOptionsTakeTheTypeAndTheConstraints) {
  PutVector("c", {10, 0, 7, 12});
  PutVector("d", {8, 0, 9, 15});
  OnNextModal([&](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Shi-square test");
    FillTest(dialog, "c  vector (4)", "d  vector (4)", "Chi-square", "x");
    OnNextModal([](QWidget* options) { QTest::keyClick(options, Qt::Key_Escape); });
    Click(dialog, "Chi-square");  // options cancelled: nothing computed, the dialog stays
    EXPECT_EQ(Output(), "");
    EXPECT_TRUE(dialog->isVisible());
    OnNextModal([&, dialog](QWidget* options) {
      EXPECT_EQ(options->windowTitle(), "Chi-square test options");
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_TRUE(Control<QRadioButton>(options, kChiSquareChoices[0])->isChecked());
      EXPECT_EQ(TabOrder(options),
                (QStringList{kChiSquareChoices[0], "Number of constraints", "OK", "Cancel"}));
      auto* constraints = Control<QComboBox>(options, "Number of constraints");
      EXPECT_EQ(Entries(constraints), (QStringList{"0", "1", "2", "3", "4", "5"}));
      EXPECT_EQ(constraints->currentText(), "0");
      EXPECT_TRUE(LabelTexts(options).contains(
          "If model is normalized to match the observed distribution than it adds one "
          "constrain."));
      QTest::mouseClick(Control<QRadioButton>(options, kChiSquareChoices[1]), Qt::LeftButton);
      Pick(constraints, "1");
      Click(options, "OK");
    });
    Click(dialog, "Chi-square");
  });
  Menu(C::kStatChiSquare);
  const std::string output = Output();
  EXPECT_EQ(output.rfind("Chi-square test for sigificance\r\nof distributions difference\r\n"
                         "input vectors c and d\r\noutput stored in new vector <x>\r\nChi-square = ",
                         0),
            0u);
  EXPECT_NE(output.find("\r\nsignificance (P, two-tail)= "), std::string::npos);
  // The same test run with the options chosen gives the same statistic.
  ASSERT_EQ(ChiSquareTest("c", "d", "expected", CHISQUARE_OBSERVED, 1), 1);
  auto* result = dynamic_cast<VectorObject*>(FindObject("x", OBJMASK_VECTOR));
  auto* expected = dynamic_cast<VectorObject*>(FindObject("expected", OBJMASK_VECTOR));
  ASSERT_TRUE(result && expected);
  EXPECT_EQ(result->at(1), expected->at(1));
  EXPECT_EQ(result->at(2), expected->at(2));
}

// --- linear regression -----------------------------------------------------------

TEST_F(StatisticsDialogsTest, RegressionDialogsOpenEachOverTheOneBefore) {
  PutVector("x", {1, 2, 3, 4});
  PutVector("y", {3, 5, 7, 10});
  bool selectionShown = false, fittingShown = false;
  OnNextModal([&](QWidget* selection) {
    EXPECT_EQ(selection->windowTitle(), "Linear regression multiple variables");
    auto* list = Control<QListWidget>(
        selection,
        "Select vectors with input variables X(i)\nMultiple vectors can be selected.\nAll "
        "vectors must have same number of elements.");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    AnswerMessage();
    Click(selection, "OK");
    ClickEntry(list, "x  vector (4)");
    OnNextModal([&, selection](QWidget* fitting) {
      selectionShown = selection->isVisible();
      EXPECT_EQ(fitting->windowTitle(), "Linear regression multiple");
      EXPECT_TRUE(LabelTexts(fitting).contains(
          "Output vector will contain values of best-fit parameters a(0) ... a(k), chi-square, "
          "variance, standard errors of all parameters, lower limits with prob. 95% of all "
          "parameters and upper limits with prob. 95%."));
      Pick(Control<QComboBox>(fitting,
                              "Select vector of measured data (dependent variable) Y. Vector Y "
                              "and all selected input vectors X(i) must have same number of "
                              "elements. "),
           "y  vector (4)");
      TypeInto(Control<QComboBox>(fitting, "Output vector name"), "fit");
      OnNextModal([&, fitting](QWidget* options) {
        fittingShown = fitting->isVisible();
        EXPECT_EQ(options->windowTitle(), "Output options");
        auto* save = Control<QCheckBox>(options, "Save covariance matrix and residual errors");
        auto* residuals = Control<QComboBox>(options, "Select name for vector of residuas");
        EXPECT_TRUE(save->isChecked());
        EXPECT_EQ(Control<QComboBox>(options, "Select name for covariance matrix")->currentText(),
                  "covariances");
        EXPECT_EQ(residuals->currentText(), "residual_errors");
        EXPECT_EQ(Control<QComboBox>(options, "Select name for vector of predictions")
                      ->currentText(),
                  "predictions");
        QTest::mouseClick(save, Qt::LeftButton);
        EXPECT_FALSE(residuals->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        EXPECT_TRUE(residuals->isEnabled());
        TypeInto(residuals, "1res");
        AnswerMessage();
        Click(options, "OK");
        TypeInto(residuals, "res");
        Click(options, "OK");
      });
      Click(fitting, "Fitting");
    });
    Click(selection, "OK");
  });
  Menu(C::kStatRegression);
  EXPECT_TRUE(selectionShown);
  EXPECT_TRUE(fittingShown);
  EXPECT_EQ(messages,
            (QStringList{"No items selected in the list.Please select at one or several vectors "
                         "of input variables X(i).",
                         "Error:\nInvalid residuals vector name\n<1res>\nPlease enter valid "
                         "name.\nName shall containg only letters and digits and charater "
                         "_.\nFirst character must not be digit."}));
  EXPECT_EQ(Output(),
            "Linear regression multiple variables\r\n"
            "Input data X(i)\r\n"
            "X(1) x  \r\n"
            "Output data Y  y\r\n"
            "Regression results\r\n"
            "constant =               0.50000000\r\n"
            "coefficient 1 <x> = 2.3000000\r\n"
            "Chi-square = 0.3\r\n"
            "Regression Variance = 0.15\r\n"
            "Standard errors and 95% confidence interval\r\n"
            "                  std. error          Lower 95%        Upper 95%\r\n"
            "constant:       0.474342        -0.448683         1.44868\r\n"
            "coeff. 01:       0.173205         1.95359         2.64641\r\n");
  EXPECT_NE(FindObject("covariances", OBJMASK_MATRIX), nullptr);
  EXPECT_NE(FindObject("res", OBJMASK_VECTOR), nullptr);
  EXPECT_NE(FindObject("predictions", OBJMASK_VECTOR), nullptr);
}

}  // namespace
}  // namespace tq::app::testing
