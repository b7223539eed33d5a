// TDtm_Destino: opening and closing the tables, loading and saving the project file, putting rows back.
#include "data/UDtmDestino.h"

#include "data/UArquivoProjeto.h"

#include <QFileInfo>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

bool TDtm_Destino::AbrirTabelas(const QString &arquivo)
{
    if (!Cds_DestinosExtras.Ativa()) {
        if (arquivo.trimmed().isEmpty())
            Cds_DestinosExtras.Abrir();
        else
            CarregarArquivo(arquivo);
    }
    ReconstruirRotulos(false);
    return Cds_DestinosExtras.Ativa();
}

void TDtm_Destino::FecharTabelas()
{
    Cds_DestinosExtras.Fechar();
    Cds_Rotulos.Fechar();
}

// The whole file is read and checked before the table is touched.
bool TDtm_Destino::CarregarArquivo(const QString &arquivo)
{
    if (!QFileInfo::exists(arquivo))
        return false;
    SubstituirLinhas(TArquivoProjeto::Ler(arquivo, Cds_DestinosExtras));
    return true;
}

void TDtm_Destino::RestaurarLinhas(const std::vector<QVector<QVariant>> &linhas)
{
    SubstituirLinhas(linhas);
}

// The rows are appended without the label upkeep (rows of the kind not shown
// would otherwise be read through the wrong cursor); an open label table is
// rebuilt from them afterwards instead.
void TDtm_Destino::SubstituirLinhas(const std::vector<QVector<QVariant>> &linhas)
{
    TTabelaMemoria &t = Cds_DestinosExtras;
    t.AposGravar = nullptr;
    const auto religar = qScopeGuard([this] { LigarAposGravar(); });
    t.Abrir();
    for (const QVector<QVariant> &valores : linhas) {
        t.Acrescentar();
        // Every stored column, so that one the file lacks or holds as NULL is
        // empty rather than the column's default.
        for (int i = 0; i < valores.size(); ++i) {
            if (!t.Coluna(i).Calculada)
                t.DefinirValor(t.Coluna(i).Nome, valores[i]);
        }
        t.Gravar();
    }
    if (Cds_Rotulos.Ativa())
        ReconstruirRotulos(true);
}

// The file is written and read back before the tables are closed, so a
// failure leaves both the previous file and the rows in memory as they were.
bool TDtm_Destino::SalvarArquivo(const QString &arquivo)
{
    const auto filtrar = [this] {
        Cds_Rotulos.DefinirFiltrado(true);
        Cds_DestinosExtras.DefinirFiltrado(true);
    };
    std::vector<QVector<QVariant>> relidas;
    bool existe = false;
    try {
        Cds_DestinosExtras.DefinirFiltrado(false);
        Cds_Rotulos.DefinirFiltrado(false);
        if (Cds_DestinosExtras.Ativa())
            TArquivoProjeto::Gravar(arquivo, Cds_DestinosExtras);
        existe = QFileInfo::exists(arquivo);
        if (existe)
            relidas = TArquivoProjeto::Ler(arquivo, Cds_DestinosExtras);
    } catch (...) {
        filtrar();
        throw;
    }
    filtrar();
    FecharTabelas();
    if (existe)
        SubstituirLinhas(relidas);
    else if (arquivo.trimmed().isEmpty())
        Cds_DestinosExtras.Abrir();
    ReconstruirRotulos(false);
    return existe;
}
