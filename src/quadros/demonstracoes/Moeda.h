#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <compare>
#include <optional>

namespace kelpa {

// An amount in reais held as whole ten-thousandths of a real, so that sums, roll-ups
// and comparisons are exact. The database keeps amounts as doubles; they cross into
// this type once, when read, and leave it once, when written.
class Moeda
{
public:
    constexpr Moeda() = default;

    static constexpr Moeda deDezMilesimos(qint64 dezMilesimos) { return Moeda(dezMilesimos); }
    static constexpr Moeda deCentavos(qint64 centavos) { return Moeda(centavos * 100); }
    // A stored double, rounded to the nearest ten-thousandth; null or non-numeric is 0.
    static Moeda deReais(double reais);
    static Moeda doBanco(const QVariant &valor);

    constexpr qint64 dezMilesimos() const { return m_valor; }
    double reais() const { return static_cast<double>(m_valor) / 10000.0; }
    QVariant paraBanco() const { return QVariant(reais()); }

    constexpr bool zero() const { return m_valor == 0; }
    constexpr bool negativo() const { return m_valor < 0; }
    constexpr bool positivo() const { return m_valor > 0; }
    constexpr Moeda absoluto() const { return Moeda(m_valor < 0 ? -m_valor : m_valor); }
    // Cut toward zero to whole cents: 12,349 gives 12,34 and -12,349 gives -12,34.
    constexpr Moeda truncadaEmCentavos() const { return Moeda(m_valor - m_valor % 100); }
    // Rounded to whole cents, halves away from zero: the amount as the screen shows it.
    constexpr Moeda arredondadaEmCentavos() const
    {
        const qint64 resto = m_valor % 100;
        const qint64 base = m_valor - resto;
        if (resto >= 50)
            return Moeda(base + 100);
        if (resto <= -50)
            return Moeda(base - 100);
        return Moeda(base);
    }

    // "1.234,56": thousands grouped with "." and two decimals after ",".
    QString texto() const;
    // What a cell editor starts with: the amount without the "." grouping ("1234,56").
    QString textoSemAgrupamento() const;

    // Reads an amount as people type it in Brazil: "1.234,56", "1234,56", "-12", "0,5".
    // A lone "." not followed by a group of three digits is taken as the decimal point
    // ("12.5" is 12,50); digits beyond the fourth decimal are cut. Nothing for text that
    // is not an amount.
    static std::optional<Moeda> ler(const QString &texto);
    // A value typed into a quadro: read as above and cut toward zero to cents; text
    // that is not an amount counts as 0.
    static Moeda lerDigitado(const QString &texto);

    constexpr Moeda operator-() const { return Moeda(-m_valor); }
    constexpr Moeda operator+(Moeda outra) const { return Moeda(m_valor + outra.m_valor); }
    constexpr Moeda operator-(Moeda outra) const { return Moeda(m_valor - outra.m_valor); }
    constexpr Moeda &operator+=(Moeda outra)
    {
        m_valor += outra.m_valor;
        return *this;
    }
    constexpr Moeda &operator-=(Moeda outra)
    {
        m_valor -= outra.m_valor;
        return *this;
    }
    constexpr auto operator<=>(const Moeda &) const = default;

private:
    constexpr explicit Moeda(qint64 valor)
        : m_valor(valor)
    {
    }
    qint64 m_valor = 0;
};

} // namespace kelpa
