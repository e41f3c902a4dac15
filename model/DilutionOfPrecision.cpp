#include "model/DilutionOfPrecision.h"
#include "platform/extended.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

#include "model/SkyGeometry.h"

namespace {

// Fixed largest size: nothing is allocated.
using DesignMatrix = Eigen::Matrix<double, Eigen::Dynamic, 4, Eigen::ColMajor,
                                   DilutionOfPrecision::maxSatellites, 4>;

}  // namespace

DilutionOfPrecision dilutionOfPrecision(TVektorR3 receiver, std::span<const TVektorR3> satellites) {
  DilutionOfPrecision dop;
  const int n = static_cast<int>(
      std::min<std::size_t>(satellites.size(), DilutionOfPrecision::maxSatellites));
  dop.satellites = n;
  if (n < 4) return dop;

  const LocalFrame f = localFrame(receiver);
  DesignMatrix H(n, 4);
  for (int i = 0; i < n; ++i) {
    const TVektorR3 d = TEuklidGeoR3::differenceR3(satellites[i], receiver);
    const Extended length = std::sqrt(TEuklidGeoR3::dotProduct(d, d));
    H(i, 0) = double(TEuklidGeoR3::dotProduct(d, f.east) / length);
    H(i, 1) = double(TEuklidGeoR3::dotProduct(d, f.north) / length);
    H(i, 2) = double(TEuklidGeoR3::dotProduct(d, f.up) / length);
    H(i, 3) = 1;
  }
  // H = U S V^T gives (H^T H)^-1 = V S^-2 V^T, and S says at once whether H has full rank.
  const Eigen::JacobiSVD<DesignMatrix> svd(H, Eigen::ComputeFullV);
  const Eigen::Vector4d s = svd.singularValues();
  if (!(s(3) > DilutionOfPrecision::degenerateRatio * s(0))) {
    dop.status = DilutionOfPrecision::Status::degenerate;
    return dop;
  }
  const Eigen::Matrix4d& V = svd.matrixV();
  const Eigen::Matrix4d Q = V * s.array().square().inverse().matrix().asDiagonal() * V.transpose();
  dop.status = DilutionOfPrecision::Status::valid;
  dop.hdop = std::sqrt(Q(0, 0) + Q(1, 1));
  dop.vdop = std::sqrt(Q(2, 2));
  dop.pdop = std::sqrt(Q(0, 0) + Q(1, 1) + Q(2, 2));
  dop.tdop = std::sqrt(Q(3, 3));
  dop.gdop = std::sqrt(Q.trace());
  return dop;
}

double positionDop(TVektorR3 receiver, std::span<const TVektorR3> satellites) {
  // The PDOP does not depend on the frame: the earth-centred axes do as well.
  Eigen::Matrix4d N = Eigen::Matrix4d::Zero();
  for (const TVektorR3& satellite : satellites) {
    const TVektorR3 d = TEuklidGeoR3::differenceR3(satellite, receiver);
    const Extended length = std::sqrt(TEuklidGeoR3::dotProduct(d, d));
    const Eigen::Vector4d h(double(d.x / length), double(d.y / length), double(d.z / length), 1);
    N.noalias() += h * h.transpose();
  }
  const Eigen::Matrix4d Q = N.ldlt().solve(Eigen::Matrix4d::Identity());
  return std::sqrt(Q(0, 0) + Q(1, 1) + Q(2, 2));
}
