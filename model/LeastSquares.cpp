#include "model/LeastSquares.h"
#include "platform/extended.h"

#include <Eigen/Dense>
#include <algorithm>
#include <array>
#include <cmath>

#include "model/DilutionOfPrecision.h"
#include "model/uhrunit.h"
#include "platform/texts.h"

namespace {

using G = TEuklidGeoR3;
constexpr int maxN = LeastSquaresFix::maxSatellites;
// Fixed largest sizes: nothing is allocated.
using Design = Eigen::Matrix<double, Eigen::Dynamic, 4, Eigen::ColMajor, maxN, 4>;
using Column = Eigen::Matrix<double, Eigen::Dynamic, 1, Eigen::ColMajor, maxN, 1>;

// The normal matrix's eigenvalues are the squares of the design matrix's singular
// values: the DOP's rank test, squared.
constexpr double degenerateEigenRatio =
    DilutionOfPrecision::degenerateRatio * DilutionOfPrecision::degenerateRatio;

struct Problem {
  std::span<const TVektorR3> satellites;
  std::span<const Extended> ranges;
  int n = 0;
  // The estimate: position and clock offset, km. The ranges want every bit of it.
  TVektorR3 x{};
  Extended cb = 0;
  Design H;
  Column r;  // km: measured minus computed
  std::array<Extended, maxN> distance{};  // km, receiver to satellite, for the residuals

  // H's rows are the derivatives of the computed ranges: minus the unit vectors
  // receiver -> satellite, and 1 for the offset.
  void linearise() {
    for (int i = 0; i < n; ++i) {
      const TVektorR3 d = G::differenceR3(satellites[i], x);
      const Extended length = distance[i] = std::sqrt(G::dotProduct(d, d));
      H(i, 0) = double(-d.x / length);
      H(i, 1) = double(-d.y / length);
      H(i, 2) = double(-d.z / length);
      H(i, 3) = 1;
      r(i) = double(ranges[i] - length - cb);
    }
  }
};

}  // namespace

Extended LeastSquaresFix::clockOffsetNs() const { return clockOffset / TUhr::signalSpeed; }

LeastSquaresFix leastSquaresFix(std::span<const TVektorR3> satellites,
                                std::span<const Extended> pseudoranges) {
  LeastSquaresFix fix;
  const int n = int(std::min({satellites.size(), pseudoranges.size(), std::size_t(maxN)}));
  fix.satellites = n;
  if (n < 4) return fix;

  Problem p;
  p.satellites = satellites;
  p.ranges = pseudoranges;
  p.n = n;
  p.H.resize(n, 4);
  p.r.resize(n);
  // Start on the earth below the satellites: a few steps from any receiver that hears them.
  TVektorR3 mean{0, 0, 0};
  for (int i = 0; i < n; ++i) mean = G::sum(mean, satellites[i]);
  const Extended length = std::sqrt(G::dotProduct(mean, mean));
  if (length > 0) p.x = G::multiply(mean, 6371 / length);

  // Each step solves the normal equations H^T H dx = H^T r, built row by row; the rank
  // is judged once, where the fix ends (a rank-deficient start does not converge).
  const auto normal = [&p, n](Eigen::Vector4d* b) {
    Eigen::Matrix4d N = Eigen::Matrix4d::Zero();
    for (int i = 0; i < n; ++i) {
      const Eigen::Vector4d h = p.H.row(i).transpose();
      N.noalias() += h * h.transpose();
      if (b) b->noalias() += h * p.r(i);
    }
    return N;
  };
  const auto fullRank = [](const Eigen::Matrix4d& N) {
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix4d> e(N, Eigen::EigenvaluesOnly);
    return e.info() == Eigen::Success && e.eigenvalues()(0) > degenerateEigenRatio * e.eigenvalues()(3);
  };
  // trace N >= largest eigenvalue and trace N^-1 >= 1 / smallest, so a small product of
  // the traces proves the rank without the eigenvalues. The bound stays a hundredfold
  // clear of the ratio, beyond any rounding; every doubtful geometry is decided by them.
  const auto clearlyFullRank = [](const Eigen::Matrix4d& N, const Eigen::Matrix4d& Q) {
    const double product = N.trace() * Q.trace();
    return product > 0 && product < 0.01 / degenerateEigenRatio;
  };
  bool converged = false;
  while (fix.iterations < LeastSquaresFix::maxIterations && !converged) {
    ++fix.iterations;
    p.linearise();
    Eigen::Vector4d b = Eigen::Vector4d::Zero();
    const Eigen::Vector4d dx = normal(&b).llt().solve(b);
    if (!dx.allFinite()) break;
    p.x = {p.x.x + dx(0), p.x.y + dx(1), p.x.z + dx(2)};
    p.cb += dx(3);
    converged = dx.norm() < double(LeastSquaresFix::stopUpdate);
  }

  // Residuals and PDOP where the fix ended.
  p.linearise();
  const Eigen::Matrix4d N = normal(nullptr);
  const Eigen::LLT<Eigen::Matrix4d> cholesky(N);
  const Eigen::Matrix4d Q = cholesky.solve(Eigen::Matrix4d::Identity());
  const bool quick = cholesky.info() == Eigen::Success && Q.allFinite() && clearlyFullRank(N, Q);
  if (!quick && !fullRank(N)) {
    fix.status = LeastSquaresFix::Status::degenerate;
    return fix;
  }
  if (!converged) {
    fix.status = LeastSquaresFix::Status::notConverged;
    return fix;
  }
  fix.pdop = std::sqrt(Q(0, 0) + Q(1, 1) + Q(2, 2));
  for (int i = 0; i < n; ++i)
    fix.residuals[i] = (pseudoranges[i] - p.distance[i] - p.cb) * 1000;
  fix.position = p.x;
  fix.clockOffset = p.cb;
  fix.status = LeastSquaresFix::Status::valid;
  return fix;
}

std::string leastSquaresReason(const LeastSquaresFix& fix) {
  switch (fix.status) {
    case LeastSquaresFix::Status::valid:
      return {};
    case LeastSquaresFix::Status::tooFewSatellites:
      return platform::fillText(
          fix.satellites == 1
              ? ORTIVO_TEXT("core",
                            "nur %1 Satellit – für Standort und Uhrabweichung braucht die "
                            "Ausgleichsrechnung mindestens 4")
              : ORTIVO_TEXT("core",
                            "nur %1 Satelliten – für Standort und Uhrabweichung braucht die "
                            "Ausgleichsrechnung mindestens 4"),
          {std::to_string(fix.satellites)});
    case LeastSquaresFix::Status::degenerate:
      return ORTIVO_TEXT("core",
                         "die Geometrie ist entartet: Die Satelliten stehen (nahezu) auf "
                         "einem Kreis um den Empfänger oder mit ihm in einer Ebene, so "
                         "legen sie den Standort nicht fest");
    case LeastSquaresFix::Status::notConverged:
      return platform::fillText(
          ORTIVO_TEXT("core",
                      "die Ausgleichsrechnung kommt nach %1 Schritten nicht auf 1 mm zur Ruhe"),
          {std::to_string(LeastSquaresFix::maxIterations)});
  }
  return {};
}
