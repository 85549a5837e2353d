#include "ExactDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace rt {
namespace {

// An unsigned integer of any size, as many as the exact value of a double needs.
class BigNumber {
 public:
  explicit BigNumber(std::uint64_t value = 0) {
    for (; value != 0; value >>= 32) words_.push_back(static_cast<std::uint32_t>(value));
  }

  static BigNumber PowerOfTwo(int exponent) { return BigNumber(1) <<= exponent; }

  bool IsZero() const { return words_.empty(); }
  bool IsOdd() const { return !words_.empty() && (words_.front() & 1) != 0; }

  BigNumber& operator*=(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : words_) {
      const std::uint64_t product = std::uint64_t{word} * factor + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) words_.push_back(static_cast<std::uint32_t>(carry));
    Trim();
    return *this;
  }

  BigNumber& MultiplyByPowerOfTen(int exponent) {
    for (int i = 0; i < exponent; ++i) *this *= 10;
    return *this;
  }

  BigNumber& operator<<=(int bits) {
    if (IsZero() || bits == 0) return *this;
    const auto wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    words_.insert(words_.begin(), wordShift, 0);
    if (bitShift != 0) {
      std::uint32_t carry = 0;
      for (std::size_t i = wordShift; i < words_.size(); ++i) {
        const std::uint32_t word = words_[i];
        words_[i] = (word << bitShift) | carry;
        carry = word >> (32 - bitShift);
      }
      if (carry != 0) words_.push_back(carry);
    }
    return *this;
  }

  BigNumber& operator>>=(int bits) {
    const auto wordShift = static_cast<std::size_t>(bits / 32);
    const int bitShift = bits % 32;
    words_.erase(words_.begin(), words_.begin() + static_cast<std::ptrdiff_t>(std::min(wordShift, words_.size())));
    if (bitShift != 0) {
      for (std::size_t i = 0; i < words_.size(); ++i) {
        const std::uint32_t next = i + 1 < words_.size() ? words_[i + 1] : 0;
        words_[i] = (words_[i] >> bitShift) | (next << (32 - bitShift));
      }
    }
    Trim();
    return *this;
  }

  BigNumber& operator+=(const BigNumber& other) {
    words_.resize(std::max(words_.size(), other.words_.size()) + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      const std::uint64_t sum = std::uint64_t{words_[i]} + (i < other.words_.size() ? other.words_[i] : 0) + carry;
      words_[i] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    Trim();
    return *this;
  }

  // Only for other <= *this.
  BigNumber& operator-=(const BigNumber& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < words_.size(); ++i) {
      std::int64_t difference = std::int64_t{words_[i]} - (i < other.words_.size() ? other.words_[i] : 0) - borrow;
      borrow = difference < 0 ? 1 : 0;
      words_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
    }
    Trim();
    return *this;
  }

  friend BigNumber operator+(BigNumber a, const BigNumber& b) { return a += b; }
  friend BigNumber operator-(BigNumber a, const BigNumber& b) { return a -= b; }
  friend BigNumber operator<<(BigNumber a, int bits) { return a <<= bits; }

  friend int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.words_.size() != b.words_.size()) return a.words_.size() < b.words_.size() ? -1 : 1;
    for (std::size_t i = a.words_.size(); i-- > 0;) {
      if (a.words_[i] != b.words_[i]) return a.words_[i] < b.words_[i] ? -1 : 1;
    }
    return 0;
  }

  // Divides by a small divisor and answers the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = words_.size(); i-- > 0;) {
      const std::uint64_t dividend = (remainder << 32) | words_[i];
      words_[i] = static_cast<std::uint32_t>(dividend / divisor);
      remainder = dividend % divisor;
    }
    Trim();
    return static_cast<std::uint32_t>(remainder);
  }

  std::string Digits() const {
    BigNumber rest = *this;
    std::string digits;
    do {
      digits += static_cast<char>('0' + rest.DivideBy(10));
    } while (!rest.IsZero());
    std::reverse(digits.begin(), digits.end());
    return digits;
  }

 private:
  void Trim() {
    while (!words_.empty() && words_.back() == 0) words_.pop_back();
  }

  std::vector<std::uint32_t> words_;  // least significant first
};

// A finite, non-negative double as mantissa * 2^exponent, with what its neighbours need.
struct Binary {
  std::uint64_t mantissa;
  int exponent;
  bool lowerGapIsNarrower;  // a power of two: the double below lies half as far away
};

Binary Decompose(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0) return {fraction, -1074, false};
  return {fraction | (std::uint64_t{1} << 52), biased - 1075, fraction == 0 && biased > 1};
}

// Places the decimal point `places` digits from the right, with a leading "0" when needed.
std::string WithPoint(std::string digits, int places) {
  if (places <= 0) return digits;
  const auto fraction = static_cast<std::size_t>(places);
  if (digits.size() <= fraction) digits.insert(0, fraction - digits.size() + 1, '0');
  digits.insert(digits.size() - fraction, 1, '.');
  return digits;
}

std::string NotFinite(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  return std::signbit(value) ? "-inf" : "inf";
}

// The shortest digits of a value that is not whole, by Steele and White's free-format method:
// digits are produced until the rest lies within half a gap to a neighbouring double.
std::string ShortestFraction(const Binary& binary) {
  // value = r / s, the gaps to its neighbours' midpoints mMinus / s and mPlus / s.
  const int shift = binary.lowerGapIsNarrower ? 2 : 1;
  BigNumber r = BigNumber(binary.mantissa) <<= shift;
  BigNumber s = BigNumber::PowerOfTwo(shift - binary.exponent);
  BigNumber mPlus(binary.lowerGapIsNarrower ? 2 : 1);
  BigNumber mMinus(1);
  const bool even = binary.mantissa % 2 == 0;  // a midpoint reads back as the even neighbour

  // The first digit's place: 10^(k-1) <= value + gap < 10^k.
  const double value = std::ldexp(static_cast<double>(binary.mantissa), binary.exponent);
  int k = static_cast<int>(std::ceil(std::log10(value)));
  if (k >= 0) {
    s.MultiplyByPowerOfTen(k);
  } else {
    r.MultiplyByPowerOfTen(-k);
    mPlus.MultiplyByPowerOfTen(-k);
    mMinus.MultiplyByPowerOfTen(-k);
  }
  const auto reachesOne = [&](const BigNumber& numerator) {
    const int order = Compare(numerator, s);
    return even ? order >= 0 : order > 0;
  };
  while (reachesOne(r + mPlus)) {
    s *= 10;
    ++k;
  }
  while (true) {
    BigNumber tenfold = r + mPlus;
    tenfold *= 10;
    if (reachesOne(tenfold)) break;
    r *= 10;
    mPlus *= 10;
    mMinus *= 10;
    --k;
  }

  std::string digits;
  while (true) {
    r *= 10;
    mPlus *= 10;
    mMinus *= 10;
    int digit = 0;
    while (Compare(r, s) >= 0) {
      r -= s;
      ++digit;
    }
    const int lowOrder = Compare(r, mMinus);
    const bool low = even ? lowOrder <= 0 : lowOrder < 0;
    const bool high = reachesOne(r + mPlus);
    if (!low && !high) {
      digits += static_cast<char>('0' + digit);
      continue;
    }
    // Both the digit and the next one up read back as the value: take the nearer, a tie to even.
    const int half = Compare(r << 1, s);
    const bool up = high && (!low || half > 0 || (half == 0 && digit % 2 == 1));
    digits += static_cast<char>('0' + digit + (up ? 1 : 0));
    break;
  }
  const int places = static_cast<int>(digits.size()) - k;
  return WithPoint(digits, places);
}

}  // namespace

std::string ShortestDecimal(double value) {
  if (!std::isfinite(value)) return NotFinite(value);
  const std::string sign = std::signbit(value) ? "-" : "";
  const Binary binary = Decompose(std::fabs(value));
  if (binary.mantissa == 0) return sign + "0";
  if (binary.exponent >= 0) return sign + (BigNumber(binary.mantissa) <<= binary.exponent).Digits();
  if (std::floor(std::fabs(value)) == std::fabs(value)) {
    return sign + (BigNumber(binary.mantissa) >>= -binary.exponent).Digits();
  }
  return sign + ShortestFraction(binary);
}

std::string RoundedDecimal(double value, int places) {
  if (!std::isfinite(value)) return NotFinite(value);
  const std::string sign = std::signbit(value) ? "-" : "";
  const Binary binary = Decompose(std::fabs(value));
  // value * 10^places = scaled / 2^bits exactly; round that to a whole number.
  BigNumber scaled = BigNumber(binary.mantissa).MultiplyByPowerOfTen(places);
  BigNumber whole = scaled;
  if (binary.exponent >= 0) {
    whole <<= binary.exponent;
  } else {
    const int bits = -binary.exponent;
    whole >>= bits;
    const BigNumber rest = scaled - (whole << bits);
    const int order = Compare(rest << 1, BigNumber::PowerOfTwo(bits));
    if (order > 0 || (order == 0 && whole.IsOdd())) whole += BigNumber(1);
  }
  return sign + WithPoint(whole.Digits(), places);
}

}  // namespace rt
