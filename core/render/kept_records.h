#pragma once

namespace plot {

// The renderer's own copies of the host's records and names. Passar_Punts takes the records as
// the interface passes them, by reference, and hands them to `Records::copy`; the host may
// free or change its records as soon as it returns.
template <typename Records, typename Copy = decltype(&Records::copy)>
class KeptRecords;

template <typename Records, typename... Arguments>
class KeptRecords<Records, void (Records::*)(Arguments...)> {
 public:
  void Passar_Punts(Arguments... from) { records_.copy(from...); }
  const Records& records() const { return records_; }

 protected:
  Records records_;
};

}  // namespace plot
