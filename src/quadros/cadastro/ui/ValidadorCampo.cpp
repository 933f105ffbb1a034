#include "ValidadorCampo.h"

#include <QLineEdit>

namespace kelpa {

ValidadorCampo::ValidadorCampo(Caixa caixa, std::function<bool(QChar)> aceita, QObject *parent)
    : QValidator(parent)
    , m_caixa(caixa)
    , m_aceita(std::move(aceita))
{
}

QValidator::State ValidadorCampo::validate(QString &texto, int &posicao) const
{
    Q_UNUSED(posicao)
    if (m_caixa == Caixa::Maiusculas)
        texto = texto.toUpper();
    else if (m_caixa == Caixa::Minusculas)
        texto = texto.toLower();
    if (m_umaVirgula)
        texto.replace(u'.', u',');
    for (const QChar c : std::as_const(texto))
        if (m_aceita && !m_aceita(c))
            return Invalid;
    if (m_umaVirgula && texto.count(u',') > 1)
        return Invalid;
    return Acceptable;
}

namespace {
void configurar(QLineEdit *campo, int tamanho, ValidadorCampo *validador)
{
    campo->setMaxLength(tamanho);
    campo->setValidator(validador);
}
} // namespace

void ValidadorCampo::maiusculas(QLineEdit *campo, int tamanho)
{
    configurar(campo, tamanho, new ValidadorCampo(Caixa::Maiusculas, {}, campo));
}

void ValidadorCampo::minusculas(QLineEdit *campo, int tamanho)
{
    configurar(campo, tamanho, new ValidadorCampo(Caixa::Minusculas, {}, campo));
}

void ValidadorCampo::digitos(QLineEdit *campo, int tamanho)
{
    configurar(campo, tamanho, new ValidadorCampo(Caixa::Manter, [](QChar c) { return c >= u'0' && c <= u'9'; }, campo));
}

void ValidadorCampo::alfaNumerico(QLineEdit *campo, int tamanho)
{
    configurar(campo, tamanho, new ValidadorCampo(Caixa::Maiusculas, [](QChar c) {
                   return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'-' || c == u'.' || c == u'/' || c == u',';
               }, campo));
}

void ValidadorCampo::valores(QLineEdit *campo, int tamanho)
{
    auto *v = new ValidadorCampo(Caixa::Manter, [](QChar c) { return (c >= u'0' && c <= u'9') || c == u','; }, campo);
    v->m_umaVirgula = true;
    configurar(campo, tamanho, v);
}

} // namespace kelpa
