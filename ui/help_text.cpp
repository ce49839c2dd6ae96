#include "ui/help_text.h"

#include <QStringList>

namespace orvanta::ui {

QString HelpText(const QString& manualAddress) {
    const QString q = QStringLiteral("\"");
    const QString line = QStringLiteral("\n");
    const QString paragraph = QStringLiteral("\n\n");
    QString text;
    text += QStringLiteral("An illustrated verson of this documentation can be found at ") +
            manualAddress + QStringLiteral(".  This help window may be resized ") +
            QStringLiteral("for easier reading.") + paragraph;
    text += QStringLiteral("This program generates keywords meta tags.  ") +
            QStringLiteral("It works basically by counting the number of occurrences of words ") +
            QStringLiteral("in your HTML document and building the keywords meta tag from the ") +
            QStringLiteral("most-frequently used words (ignoring common words such as 'the' and "
                           "'which').  ") +
            QStringLiteral("It does not, however, just use word frequencies, but assigns more (or "
                           "less) ") +
            QStringLiteral("importance to words which occur:") + paragraph;
    text += QStringLiteral("(a) in the title, <TITLE>...</TITLE>") + line;
    text += QStringLiteral("(b) in the description, <META NAME=") + q +
            QStringLiteral("description") + q + QStringLiteral(" CONTENT=") + q +
            QStringLiteral("...") + q + QStringLiteral(">") + line;
    text += QStringLiteral("(c) among existing keywords, ") + QStringLiteral("<META NAME=") + q +
            QStringLiteral("keywords") + q + QStringLiteral(" CONTENT=") + q +
            QStringLiteral("...") + q + QStringLiteral(">") + line;
    text += QStringLiteral("(d) in a heading, e.g., <H4>...</H4>") + line;
    text += QStringLiteral("(e) in a table, <TABLE>...</TABLE> and") + line;
    text += QStringLiteral("(f) in boldface, <B>...</B>") + paragraph;
    text += QStringLiteral("You can control the amount of weight given to words occurring in "
                           "these contexts, as follows:") +
            paragraph;
    text += QStringLiteral(
                "Words in boldface can be given a weight of 1 to 9. A weight of 5 means that an "
                "occurrence of a word in boldface counts five times as much as a word which does "
                "not occur in boldface. Set this to 1 to give bold and non-bold words equal "
                "weight.") +
            paragraph;
    text += QStringLiteral("Words in a table can be given a weight of 0 to 9. Set this to 0 if "
                           "words within tables are to be ignored.") +
            paragraph;
    text += QStringLiteral("Words in a heading are given the weight of the type of heading, e.g., "
                           "words in <H4>...</H4> get a weight of 4.") +
            paragraph;
    text +=
        QStringLiteral("Existing keywords (those in a keywords meta tag already existing in the "
                       "document) can be given a weight of 0 to 9. Set this to 0 if existing "
                       "keywords are to be ignored.") +
        paragraph;
    text += QStringLiteral("The input file (which must have a .htm or a .html extension) is "
                           "selected (by clicking on 'Input file') in the usual way:") +
            paragraph;
    text += QStringLiteral("If the document already has a keywords meta tag then you can display "
                           "it by clicking on 'Show existing keywords'.") +
            paragraph;
    text += QStringLiteral(
                "You can tell the program to ignore short words, i.e., words with a specified "
                "number of letters (such as 3) or less. You can also tell the program to ignore "
                "common words, e.g., 'this' and 'into' (this is the default option and should "
                "always be used).  ") +
            QStringLiteral(
                "You can require that only words which occur a specified minimum number of "
                "times should be considered for inclusion in the keywords meta tag. And you can "
                "specify the maximum number of keywords in the meta tag and the maximum length "
                "in bytes of the meta tag.") +
            paragraph;
    text += QStringLiteral("After you have specified the input file and the controlling "
                           "parameters you can either:") +
            line;
    text += QStringLiteral("(i)click on 'List words' to get a list of the words satisfying the "
                           "selection criteria, together with their keyword value and frequency "
                           "or") +
            line;
    text += QStringLiteral("(ii) click on 'Generate keywords meta tag' to get the meta tag.") +
            paragraph;
    text += QStringLiteral("If you want some words to be included as phrases you can type them "
                           "into the 'Begin meta tag with' textbox, then pressing 'Generate "
                           "keywords meta tag' gives the revised meta tag:") +
            paragraph;
    text += QStringLiteral("You can edit the keywords directly, then copy the keywords meta tag to "
                           "the clipboard and paste it into the header section of your HTML "
                           "document.") +
            paragraph;
    return text;
}

} // namespace orvanta::ui
