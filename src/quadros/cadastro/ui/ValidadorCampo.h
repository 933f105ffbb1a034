#pragma once

#include <QValidator>
#include <functional>

class QLineEdit;

namespace kelpa {

// The key filters of the registration boxes: what may be typed, and in which case.
// A rejected character never reaches the box; letters are turned to the box's case
// as they are typed, also when pasted.
class ValidadorCampo : public QValidator
{
    Q_OBJECT

public:
    enum class Caixa { Manter, Maiusculas, Minusculas };

    ValidadorCampo(Caixa caixa, std::function<bool(QChar)> aceita, QObject *parent = nullptr);
    State validate(QString &texto, int &posicao) const override;

    // Upper-case text of any character.
    static void maiusculas(QLineEdit *campo, int tamanho);
    // Lower-case text (e-mail addresses).
    static void minusculas(QLineEdit *campo, int tamanho);
    // Digits only (`SoNumerico` for whole numbers).
    static void digitos(QLineEdit *campo, int tamanho);
    // `SoAlfaNumerico`: upper-case letters, digits, "-", ".", "/" and the decimal comma.
    static void alfaNumerico(QLineEdit *campo, int tamanho);
    // `SoValores`: digits and one decimal comma ("." is taken as the comma).
    static void valores(QLineEdit *campo, int tamanho);

private:
    Caixa m_caixa;
    std::function<bool(QChar)> m_aceita;
    bool m_umaVirgula = false;
};

} // namespace kelpa
