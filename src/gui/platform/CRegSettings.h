#pragma once

#include <QString>
#include <utility>
#include <vector>

// The user's settings: one store per company and application, one group per section, one text
// per key. The key "*" names the section's unnamed value.
class CRegSettings {
  public:
    QString Company() const { return company; }
    void SetCompany(const QString& name); // empty restores the start value; otherwise trimmed
    QString AppName() const { return appName; }
    void SetAppName(const QString& name); // empty restores the product name; otherwise trimmed

    // `defaultValue` when the setting is missing or cannot be read; an empty text stays empty.
    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    bool SaveSetting(const QString& section, const QString& key, const QString& value) const;
    // Without a key the whole section goes.
    bool DeleteSetting(const QString& section, const QString& key = {}) const;
    // Each text value of the section as (name, text); empty when there is none.
    std::vector<std::pair<QString, QString>> GetAllSettings(const QString& section) const;

  private:
    QString company = kStartCompany;
    QString appName = kProductName;

    static constexpr const char* kStartCompany = "VB and VBA Program Settings";
    static constexpr const char* kProductName = "Quorvane";
};
