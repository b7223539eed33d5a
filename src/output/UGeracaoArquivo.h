#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "output/UGravacaoArquivo.h"
#include "output/UPainelSaida.h"
#include "output/URegistrosSaida.h"
#include "output/UTabelaSaida.h"

class TOrigemCampo;

// Builds the sign controller file (".art") that the bus's destination-sign
// controller reads: a 75-byte header, the destination, extra and font offset
// tables, the records grouped by number in slot order, and one glyph table per
// clock font.
//
// The transfer fills it: DefinirNomeArquivo, DefinirTipoArquivo(2), then per
// fitted position ObterPainel(position), DefinirLinhas/DefinirColunas and
// ObterDestino/ObterExtra for each row; then GerarArquivo. GerarBytes gives
// the same bytes without touching the disk.
//
// Every record is written for the numbers 1 to the largest number of its slot
// (a number missing in between gets an empty record). A value that does not
// fit its field refuses the whole file with a TErro naming the destination or
// extra message, the sign and the field.
class TGeracaoArquivo {
public:
    TGeracaoArquivo();
    TGeracaoArquivo(const TGeracaoArquivo &) = delete;
    TGeracaoArquivo &operator=(const TGeracaoArquivo &) = delete;

    // Asked with the file name before an existing file is replaced; only true
    // replaces it. Unset, the existing file is kept (the question's default is No).
    std::function<bool(const QString &arquivo)> ConfirmarSobrescrita;
    // Writes the file's bytes to the disk; unset, TArquivoDisco::GravarAtomico.
    // A test stands in for a pen drive that does not keep what it is given.
    TGravarNoDisco GravarNoDisco;

    // Releases every panel and table; the counters and TipoArquivo return to 0.
    void Reiniciar();

    const QString &NomeArquivo() const { return nomeArquivo; }
    void DefinirNomeArquivo(const QString &valor) { nomeArquivo = valor; }
    int TipoArquivo() const { return tipoArquivo; } // the file's first byte
    void DefinirTipoArquivo(int valor) { tipoArquivo = valor; }

    // The slot's panel (1 to 16), created empty and appended when missing.
    // The first panel created is the one whose counts the header carries.
    TPainel &ObterPainel(int numero);
    const std::vector<std::unique_ptr<TPainel>> &Paineis() const { return paineis; }

    // Builds every record and font table and lays the whole file out in memory.
    QByteArray GerarBytes();

    // Builds the file and writes it to NomeArquivo with GravarArquivoSaida:
    // through a temporary file that replaces the target only once complete,
    // the previous file kept as "NAME.art.bak", the new one read back and
    // compared. False when the file exists and ConfirmarSobrescrita did not
    // answer true: nothing is written. Throws TErro for a blank name, a value
    // that does not fit, a failed write or a read-back that differs; the
    // target is then left as it was.
    bool GerarArquivo();

    // The state of the last build.
    int MaiorDestino() const { return maiorDestino; }
    int MaiorExtra() const { return maiorExtra; }
    int QtdTabelasFontes() const { return qtdTabelasFontes; }
    const QList<int> &Fontes() const { return fontes; } // font numbers, in the order clock blocks first named them
    TTabela *TabelaDestino(int painel, int numero, bool criar) { return tabelasDestinos.Tabela(painel, numero, criar); }
    TTabela *TabelaExtra(int painel, int numero, bool criar) { return tabelasExtras.Tabela(painel, numero, criar); }
    // Font tables are one per font number, whatever the slot of the clock.
    TTabela *TabelaFonte(int fonte, bool criar);
    // The 1-based position of the font number in Fontes, appended when absent.
    int IndiceDaFonte(int fonte);

    // The integer whose binary digits are the text, first character most
    // significant; characters other than "1" count as "0", leading and
    // trailing blanks are ignored; an empty text gives 0.
    static quint64 ValorBinario(QByteArrayView texto);
    // Characters (k - 1) x linhas + 1 to k x linhas of the bits (fewer when the
    // bits end inside the column); empty beyond their end or when the bits are
    // only blanks.
    static QByteArrayView ColunaDeBits(QByteArrayView bits, int k, int linhas);
    // Appends columns 1 to colunas of the bits, each in ceil(linhas / 8) bytes,
    // least significant first, bit 0 the bottom row. A column that the bits do
    // not cover is dark, and so are the rows a short last column lacks.
    // linhas is 0 to 16.
    static void GravarColunas(QByteArrayView bits, int linhas, int colunas, QByteArray &saida);
    // The LED states of the messages, joined in message order.
    static QByteArray BitsDoConteudo(const QList<QByteArray> &conteudo);

private:
    void LimparTabelas();
    void VerificarPainel(const TPainel &painel) const;
    void GerarTabelasDestinos(TPainel &painel);
    void GerarTabelasExtras(TPainel &painel);
    void GerarTabelasFontes(TPainel &painel);
    static TCabecalhoRegistro CabecalhoRegistro(const TPainel &painel, const QString &rotulo, int tempoExposicao,
                                                quint8 codigoSentido, int colunas, const TOrigemCampo &origem);
    TRegistroDestino RegistroDestino(const TPainel &painel, TDestinos &destino);
    TRegistroExtra RegistroExtra(const TPainel &painel, TExtras &extra);
    TBlocoRelogio BlocoRelogio(const TPainel &painel, const TExtras &extra, const TOrigemCampo &origem);
    static TTabelaFonteRelogio TabelaDoRelogio(TExtras &extra, const TOrigemCampo &origem);
    QByteArray MontarArquivo() const;

    std::vector<std::unique_ptr<TPainel>> paineis;
    TListaTabelas tabelasDestinos;
    TListaTabelas tabelasExtras;
    TListaTabelas tabelasFontes;
    QList<int> fontes;
    int maiorDestino = 0;
    int maiorExtra = 0;
    int qtdTabelasFontes = 0;
    int tipoArquivo = 0;
    QString nomeArquivo;
};
