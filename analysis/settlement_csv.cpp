// The settlement CSV tables of qel-cli settlement.
#include "analysis/settlement_csv.h"

#include <optional>

#include "base/c_locale.h"

namespace qel {

namespace {

// A number as %.17g, or an empty field when there is none.
std::string Field(std::optional<double> value) {
  return value ? FormatC("%.17g", *value) : std::string();
}

std::string SitePrefix(const SettlementSite& site) {
  return FormatC("%s,%d,%d,%.17g,%.17g", site.problem == Problem::Strip ? "strip" : "lattice",
                 site.xRow, site.yRow, site.x, site.y);
}

void AddColumns(std::string& text, const std::vector<SettlementColumnResult>& columns,
                const std::vector<SettlementCourse>& courses) {
  text += "problem,xrow,yrow,x,y,S,t50,t90\n";
  for (std::size_t c = 0; c < columns.size() && c < courses.size(); ++c) {
    const SettlementCourse& course = courses[c];
    text += SitePrefix(columns[c].site) + "," + Field(columns[c].values.total) + "," +
            Field(course.t50) + "," + Field(course.t90) + "\n";
  }
}

void AddSlices(std::string& text, const SettlementModel& model,
               const std::vector<SettlementColumnResult>& columns) {
  text += "problem,xrow,yrow,x,y,layer,slice,ztop,zbottom,zmid,sigma0,dP,p1,pc,e0,e1,S\n";
  for (const SettlementColumnResult& column : columns) {
    const std::string prefix = SitePrefix(column.site);
    for (std::size_t i = 0; i < column.values.slices.size(); ++i) {
      const SoilSlice& cut = model.slices()[i];
      const SoilLayer& layer = model.profile().layers[static_cast<std::size_t>(cut.layer)];
      const SliceSettlement& slice = column.values.slices[i];
      const std::optional<double> pc =
          layer.method == SettlementMethod::kCc ? layer.pc : std::nullopt;
      text += prefix +
              FormatC(",%d,%d,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,", layer.number, cut.number,
                      cut.top, cut.bottom, cut.middle, slice.sigma0, slice.deltaP, slice.p1) +
              Field(pc) + "," + Field(slice.e0) + "," + Field(slice.e1) + "," +
              Field(slice.settlement) + "\n";
    }
  }
}

void AddTime(std::string& text, const SettlementCourseModel& model,
             const std::vector<SettlementColumnResult>& columns,
             const std::vector<SettlementCourse>& courses) {
  text += "problem,xrow,yrow,x,y,t,S,U,Ssec,Sall\n";
  const std::vector<double> times = model.TableTimes();
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string prefix = SitePrefix(columns[c].site);
    for (const double t : times) {
      text += prefix + FormatC(",%.17g,", t);
      const std::optional<CoursePoint> point = model.At(courses[c], t);
      if (point) {
        text += Field(point->primary) + "," + Field(point->degree) + "," + Field(point->secondary) +
                "," + Field(point->total()) + "\n";
      } else {
        text += ",,,\n";
      }
    }
  }
}

void AddStages(std::string& text, const SettlementCourseModel& model,
               const std::vector<SettlementColumnResult>& columns,
               const std::vector<SettlementCourse>& courses) {
  text += "problem,xrow,yrow,x,y,stage,start,end,fraction,dS\n";
  for (std::size_t c = 0; c < columns.size(); ++c) {
    const std::string prefix = SitePrefix(columns[c].site);
    for (std::size_t k = 0; k < model.stages().size(); ++k) {
      const LoadStage& stage = model.stages()[k];
      text +=
          prefix +
          FormatC(",%d,%.17g,%.17g,%.17g,", stage.number, stage.start, stage.end, stage.fraction) +
          Field(k < courses[c].stageSettlements.size() ? courses[c].stageSettlements[k]
                                                       : std::nullopt) +
          "\n";
    }
  }
}

}  // namespace

std::string SettlementCsv(SettlementCsvTable table, const SettlementCourseModel& courseModel,
                          const std::vector<SettlementColumnResult>& columns,
                          const std::vector<SettlementCourse>& courses) {
  std::string text;
  if (table == SettlementCsvTable::kSlices)
    AddSlices(text, courseModel.model(), columns);
  else if (table == SettlementCsvTable::kColumns)
    AddColumns(text, columns, courses);
  else if (table == SettlementCsvTable::kTime)
    AddTime(text, courseModel, columns, courses);
  else
    AddStages(text, courseModel, columns, courses);
  return text;
}

}  // namespace qel
