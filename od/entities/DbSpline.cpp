#include "DbSpline.h"

#include "GiWorldDraw.h"

#include <algorithm>
#include <array>

ODRX_DEFINE_NAMED(OdDbSpline, "AcDbSpline", OdDbCurve, "SPLINE", odrxNewReferenced<OdDbSpline>)

const dxf::ClassLayout& OdDbSpline::layout() {
  static const dxf::Custom normal{&OdDbSpline::readNormal, &OdDbSpline::writeNormal};
  static const dxf::Custom counts{&OdDbSpline::readCounts, &OdDbSpline::writeCounts};
  static const dxf::Custom fitTolerance{&OdDbSpline::readFitTolerance, &OdDbSpline::writeFitTolerance};
  static const dxf::Custom data{&OdDbSpline::readData, &OdDbSpline::writeData};
  static const dxf::Field fields[] = {
      dxf::custom(normal),
      dxf::field<&OdDbSpline::m_flags>(70),
      dxf::field<&OdDbSpline::m_degree>(71, dxf::defInt(3)),
      dxf::custom(counts),
      dxf::field<&OdDbSpline::m_knotTolerance>(42, dxf::def(1e-7)),
      dxf::field<&OdDbSpline::m_controlTolerance>(43, dxf::def(1e-7)),
      dxf::custom(fitTolerance),
      dxf::optional<&OdDbSpline::m_startTangent>(12),
      dxf::optional<&OdDbSpline::m_endTangent>(13),
      dxf::custom(data),
  };
  static const dxf::ClassLayout layout(desc(), &OdDbEntity::layout(), fields);
  return layout;
}

OdDbSpline::OdDbSpline() {
  layout().applyOwnDefaults(this);
  m_normal = OdGeVector3d::kZAxis;
  m_fitTolerance = 1e-10;
}

namespace {
bool readCoordinate(std::vector<OdGePoint3d>& points, int axis, const dxf::Group& g) {
  // An X starts a point; Y and Z complete the last one.
  if (axis == 0) points.emplace_back();
  else if (points.empty()) return false;
  OdGePoint3d& p = points.back();
  (axis == 0 ? p.x : axis == 1 ? p.y : p.z) = dxf::toDouble(g);
  return true;
}
}  // namespace

bool OdDbSpline::readNormal(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* s = static_cast<OdDbSpline*>(obj);
  switch (g.code) {
    case 210: s->m_normal.x = dxf::toDouble(g); return true;
    case 220: s->m_normal.y = dxf::toDouble(g); return true;
    case 230: s->m_normal.z = dxf::toDouble(g); return true;
    default: return false;
  }
}

// CAD programs write the normal of planar splines only.
void OdDbSpline::writeNormal(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* s = static_cast<const OdDbSpline*>(obj);
  if (filer->includesDefaultValues() || s->isPlanar() || s->m_normal != OdGeVector3d::kZAxis)
    filer->wrVector3d(210, s->m_normal);
}

// The counts follow from the lists; the ones read are not needed.
bool OdDbSpline::readCounts(OdDbObject*, const dxf::Group& g, dxf::ReadContext&) {
  return g.code == 72 || g.code == 73 || g.code == 74;
}

void OdDbSpline::writeCounts(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* s = static_cast<const OdDbSpline*>(obj);
  filer->wrInt16(72, static_cast<int16_t>(s->m_knots.size()));
  filer->wrInt16(73, static_cast<int16_t>(s->m_controlPoints.size()));
  filer->wrInt16(74, static_cast<int16_t>(s->m_fitPoints.size()));
}

bool OdDbSpline::readFitTolerance(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  if (g.code != 44) return false;
  static_cast<OdDbSpline*>(obj)->m_fitTolerance = dxf::toDouble(g);
  return true;
}

// Only splines made from fit points have a fit tolerance in files.
void OdDbSpline::writeFitTolerance(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* s = static_cast<const OdDbSpline*>(obj);
  if (filer->includesDefaultValues() || !s->m_fitPoints.empty()) filer->wrDouble(44, s->m_fitTolerance);
}

bool OdDbSpline::readData(OdDbObject* obj, const dxf::Group& g, dxf::ReadContext&) {
  auto* s = static_cast<OdDbSpline*>(obj);
  switch (g.code) {
    case 40: s->m_knots.push_back(dxf::toDouble(g)); return true;
    case 41: s->m_weights.push_back(dxf::toDouble(g)); return true;
    case 10: case 20: case 30: return readCoordinate(s->m_controlPoints, g.code / 10 - 1, g);
    case 11: case 21: case 31: return readCoordinate(s->m_fitPoints, g.code / 10 - 1, g);
    default: return false;
  }
}

void OdDbSpline::writeData(const OdDbObject* obj, OdDbDxfFiler* filer) {
  auto* s = static_cast<const OdDbSpline*>(obj);
  for (double k : s->m_knots) filer->wrDouble(40, k);
  for (double w : s->m_weights) filer->wrDouble(41, w);
  for (const OdGePoint3d& p : s->m_controlPoints) filer->wrPoint3d(10, p);
  for (const OdGePoint3d& p : s->m_fitPoints) filer->wrPoint3d(11, p);
}

OdGePoint3d OdDbSpline::controlPointAt(int index) const {
  if (index < 0 || index >= numControlPoints()) throw OdError_InvalidIndex();
  return m_controlPoints[index];
}

OdGePoint3d OdDbSpline::fitPointAt(int index) const {
  if (index < 0 || index >= numFitPoints()) throw OdError_InvalidIndex();
  return m_fitPoints[index];
}

double OdDbSpline::weightAt(int index) const {
  if (index < 0 || index >= numControlPoints()) throw OdError_InvalidIndex();
  return index < static_cast<int>(m_weights.size()) ? m_weights[index] : 1.0;
}

void OdDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                              const std::vector<OdGePoint3d>& controlPoints, const std::vector<double>& knots,
                              const std::vector<double>& weights) {
  m_degree = static_cast<int16_t>(degree);
  int16_t keep = m_flags & ~(kClosed | kPeriodic | kRational);
  m_flags = static_cast<int16_t>(keep | (closed ? kClosed : 0) | (periodic ? kPeriodic : 0) | (rational ? kRational : 0));
  m_controlPoints = controlPoints;
  m_knots = knots;
  m_weights = rational ? weights : std::vector<double>();
}

void OdDbSpline::setFitData(const std::vector<OdGePoint3d>& fitPoints, const OdGeVector3d& startTangent,
                            const OdGeVector3d& endTangent) {
  m_fitPoints = fitPoints;
  m_startTangent = startTangent;
  m_endTangent = endTangent;
}

namespace {
// De Boor's algorithm at parameter u for a clamped or unclamped NURBS. The knot span is searched from
// firstSpan on, which must not lie past u's span.
OdGePoint3d evaluate(int degree, const std::vector<double>& knots, const std::vector<OdGePoint3d>& points,
                     const std::vector<double>& weights, double u, int firstSpan = 0) {
  int n = static_cast<int>(points.size());
  int p = degree;
  if (n == 0) return OdGePoint3d();
  if (p < 1 || static_cast<int>(knots.size()) != n + p + 1) return u <= knots.front() ? points.front() : points.back();
  int k = std::max(p, firstSpan);
  while (k < n - 1 && u >= knots[k + 1]) ++k;
  struct H { double x, y, z, w; };
  // Degrees of real curves are small: no allocation per point for them.
  constexpr int kUsualDegree = 15;
  std::array<H, kUsualDegree + 1> usual;
  std::vector<H> large(p > kUsualDegree ? p + 1 : 0);
  H* d = p > kUsualDegree ? large.data() : usual.data();
  for (int j = 0; j <= p; ++j) {
    const OdGePoint3d& c = points[j + k - p];
    double w = j + k - p < static_cast<int>(weights.size()) ? weights[j + k - p] : 1.0;
    d[j] = {c.x * w, c.y * w, c.z * w, w};
  }
  for (int r = 1; r <= p; ++r)
    for (int j = p; j >= r; --j) {
      double den = knots[j + 1 + k - r] - knots[j + k - p];
      double a = den != 0 ? (u - knots[j + k - p]) / den : 0;
      d[j] = {(1 - a) * d[j - 1].x + a * d[j].x, (1 - a) * d[j - 1].y + a * d[j].y, (1 - a) * d[j - 1].z + a * d[j].z,
              (1 - a) * d[j - 1].w + a * d[j].w};
    }
  double w = d[p].w != 0 ? d[p].w : 1;
  return {d[p].x / w, d[p].y / w, d[p].z / w};
}
}  // namespace

OdGePoint3d OdDbSpline::startPoint() const {
  if (m_controlPoints.empty()) return m_fitPoints.empty() ? OdGePoint3d() : m_fitPoints.front();
  if (m_knots.empty()) return m_controlPoints.front();
  return evaluate(m_degree, m_knots, m_controlPoints, m_weights, m_knots[m_degree < numKnots() ? m_degree : 0]);
}

OdGePoint3d OdDbSpline::endPoint() const {
  if (m_controlPoints.empty()) return m_fitPoints.empty() ? OdGePoint3d() : m_fitPoints.back();
  if (m_knots.empty()) return m_controlPoints.back();
  int last = numKnots() - 1 - m_degree;
  return evaluate(m_degree, m_knots, m_controlPoints, m_weights, m_knots[last >= 0 ? last : numKnots() - 1]);
}

std::vector<OdGePoint3d> OdDbSpline::curvePoints() const {
  int n = numControlPoints(), p = m_degree;
  if (n == 0) {
    std::vector<OdGePoint3d> points = m_fitPoints;
    if (isClosed() && points.size() > 2) points.push_back(points.front());
    return points;
  }
  // Without a knot vector to match, the control polygon is the best guess at the curve.
  if (p < 1 || numKnots() != n + p + 1) return m_controlPoints;
  const int steps = p == 1 ? 1 : 16;  // per knot span
  // With knots in order, a span's points lie in it or later: the search for them starts there.
  const bool ordered = std::is_sorted(m_knots.begin(), m_knots.end());
  std::vector<OdGePoint3d> points{evaluate(p, m_knots, m_controlPoints, m_weights, m_knots[p])};
  points.reserve(1 + (n - p) * steps);
  for (int k = p; k < n; ++k) {
    double from = m_knots[k], to = m_knots[k + 1];
    if (!(to > from)) continue;
    for (int i = 1; i <= steps; ++i)
      points.push_back(evaluate(p, m_knots, m_controlPoints, m_weights, from + (to - from) * i / steps, ordered ? k : 0));
  }
  return points;
}

bool OdDbSpline::subWorldDraw(OdGiWorldDraw* wd) const {
  std::vector<OdGePoint3d> points = curvePoints();
  if (points.size() == 1) points.push_back(points.front());
  if (!points.empty()) wd->geometry().polyline(static_cast<int32_t>(points.size()), points.data());
  return true;
}
